#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace support {

// A recorder's root in a folder of this machine: its entries by name, and their attributes as the
// program keeps them on this platform (support/dos_attributes.h). Symbolic links are never
// followed to change an attribute.
class DeviceFolder {
 public:
  // Makes the folder where it is missing.
  explicit DeviceFolder(std::filesystem::path root);

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path Path(std::string_view name) const { return root_ / std::string(name); }

  void Write(std::string_view name, std::string_view bytes) const;
  // Throws std::runtime_error where `name` cannot be opened.
  std::string Read(std::string_view name) const;
  bool Exists(std::string_view name) const;
  // A regular file, not a link to one.
  bool IsFile(std::string_view name) const;
  void MakeFolder(std::string_view name) const;
  // The names in the root, sorted.
  std::vector<std::string> Names() const;
  // Removes everything in the root.
  void Empty() const;

  void SetDosBits(std::string_view name, unsigned bits) const;
  unsigned DosBits(std::string_view name) const;
  void SetReadOnly(std::string_view name, bool read_only) const;
  bool IsReadOnly(std::string_view name) const;

 private:
  std::filesystem::path root_;
};

}  // namespace support
