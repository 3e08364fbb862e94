#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace device {

// One line of a mount table in the format of /proc/self/mounts.
struct MountEntry {
  std::string device;
  std::filesystem::path mount_point;
  std::string type;
  std::string options;
};

// A field with its octal escapes ("\040" for a blank, "\134" for a backslash) decoded. A backslash
// that does not begin three octal digits stays as it is.
std::string DecodeMountField(std::string_view field);

// The entries of a mount table, in its order. A line with fewer than four fields is skipped.
std::vector<MountEntry> ParseMountTable(std::string_view text);

// The text of the mount table at `path`; empty when it cannot be read, which means no volumes.
std::string ReadMountTable(const std::filesystem::path& path);

// The FAT types of the kernel's mount table: the recorder's storage is a FAT volume, and its
// hidden and read-only attributes are what FileSystem keeps on such a volume.
bool IsFatType(std::string_view type);

}  // namespace device
