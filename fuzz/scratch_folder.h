#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// A folder that stands for a recorder's root, made once and emptied for every input.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::filesystem::path root);

  const std::filesystem::path& root() const { return root_; }

  // Empties the folder, then writes `bytes` as the file `name` in it.
  void Reset(std::string_view name, std::string_view bytes) const;
  void Write(std::string_view name, std::string_view bytes) const;
  void MakeFolder(std::string_view name) const;
  // Takes away the owner's write permission, which the program reads as the read-only attribute.
  void SetReadOnly(std::string_view name) const;
  void SetDosBits(std::string_view name, unsigned bits) const;
  bool IsFile(std::string_view name) const;
  std::string Read(std::string_view name) const;
  // The names in the folder, sorted.
  std::vector<std::string> Names() const;
  // The hidden (0x2) and system (0x4) bits as the program keeps them in user.DOSATTRIB.
  unsigned DosBits(std::string_view name) const;

 private:
  std::filesystem::path root_;
};

// The two recorder roots of a fuzzing run: one for the lookup, read and loads, one for the
// write-back.
struct Scratch {
  ScratchFolder read;
  ScratchFolder commit;
  // False where the file system keeps no user attributes: the program then has no hidden files,
  // and whether a .bak is hidden cannot be checked.
  bool keeps_attributes;
};

// The scratch folders under `parent`, or under a new folder in /dev/shm (else the temporary
// folder) that is removed again when the process exits normally.
Scratch MakeScratch(const std::optional<std::filesystem::path>& parent);

}  // namespace fuzz
