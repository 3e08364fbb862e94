#include "app/mounted_volumes.h"

#include "device/mount_table.h"

namespace app {

device::VolumeSource MountedFatVolumes(const MountSources& sources) {
  return [sources] {
    return device::FatVolumes(device::ReadMountTable(sources.mount_table), sources.label_folder);
  };
}

}  // namespace app
