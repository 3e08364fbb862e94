#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace device {

// One line of a mount table in the format of /proc/self/mounts, or of /proc/self/mountinfo.
struct MountEntry {
  std::string device;
  std::filesystem::path mount_point;
  std::string type;
  std::string options;
  // From /proc/self/mountinfo only, empty from /proc/self/mounts: the mount's ID (a new one at
  // every mount, but a freed one is given again), the device number ("8:17", the same at every
  // place a volume is mounted at) and the folder of the volume that is mounted ("/": its root).
  std::string mount_id = {};
  std::string device_number = {};
  std::string volume_folder = {};
};

// A field with its octal escapes ("\040" for a blank, "\134" for a backslash) decoded. A backslash
// that does not begin three octal digits stays as it is.
std::string DecodeMountField(std::string_view field);

// The entries of a mount table, in its order. A line with fewer than four fields is skipped.
std::vector<MountEntry> ParseMountTable(std::string_view text);

// The entries of a table in the format of /proc/self/mountinfo, in its order: mount ID, parent ID,
// device number, folder, mount point, options, optional fields up to "-", type, source. A line
// without all of them is skipped.
std::vector<MountEntry> ParseMountInfo(std::string_view text);

// Linux: the unique ID of the mount that `entry` (from /proc/self/mountinfo) describes, never
// given again while the system runs (statx's STATX_MNT_ID_UNIQUE, Linux 6.8 and later); empty
// where the kernel has none, or where its mount point now reaches another mount.
std::string UniqueMountId(const MountEntry& entry);

// The text of the mount table at `path`; empty when it cannot be read, which means no volumes.
std::string ReadMountTable(const std::filesystem::path& path);

// Linux: a descriptor on the kernel's mount table that poll() marks with POLLPRI each time a volume
// is mounted or unmounted in the program's mount namespace (each poll that reports the mark clears
// it); -1 where it cannot be opened. The caller closes it.
int OpenMountTableChanges();

// The FAT types of the kernel's mount table: the recorder's storage is a FAT volume, and its
// hidden and read-only attributes are what FileSystem keeps on such a volume.
bool IsFatType(std::string_view type);

}  // namespace device
