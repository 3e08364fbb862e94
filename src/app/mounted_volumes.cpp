#include "app/mounted_volumes.h"

#include "device/mount_table.h"

namespace app {
namespace {

std::vector<device::Volume> FatVolumesOf(const MountSources& sources) {
  return device::FatVolumes(device::ParseMountInfo(device::ReadMountTable(sources.mount_table)),
                            sources.label_folder, device::UniqueMountId);
}

}  // namespace

device::VolumeSource MountedFatVolumes(const MountSources& sources) {
  return [sources] { return FatVolumesOf(sources); };
}

std::vector<std::string> MountedFatMounts() {
  std::vector<std::string> mounts;
  for (const device::Volume& volume : FatVolumesOf({.label_folder = {}})) {
    mounts.insert(mounts.end(), volume.mounts.begin(), volume.mounts.end());
  }
  return mounts;
}

}  // namespace app
