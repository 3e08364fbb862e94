#include "device/mounted_volumes.h"

#include <sys/statfs.h>

#include "device/fat_volume_posix.h"
#include "device/mount_table.h"

namespace device {
namespace {

std::vector<Volume> FatVolumesOf(const MountSources& sources) {
  return FatVolumes(ParseMountInfo(ReadMountTable(sources.mount_table)), sources.label_folder,
                    UniqueMountId);
}

}  // namespace

VolumeSource MountedFatVolumes(const MountSources& sources) {
  return [sources] { return FatVolumesOf(sources); };
}

std::vector<std::string> MountedFatMounts() {
  std::vector<std::string> mounts;
  for (const Volume& volume : FatVolumesOf({.label_folder = {}})) {
    mounts.insert(mounts.end(), volume.mounts.begin(), volume.mounts.end());
  }
  return mounts;
}

bool OnRecorderVolume(const std::filesystem::path& folder) {
  struct statfs volume {};
  return ::statfs(folder.c_str(), &volume) == 0 && IsFatVolume(volume);
}

}  // namespace device
