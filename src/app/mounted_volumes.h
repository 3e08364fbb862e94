#pragma once

#include <filesystem>

#include "device/root_search.h"
#include "device/volume_label.h"

namespace app {

// Where the mounted volumes and their labels are read from.
struct MountSources {
  std::filesystem::path mount_table = "/proc/self/mounts";
  std::filesystem::path label_folder = device::kLabelFolder;
};

// The recorders that a Linux system has mounted: its FAT volumes, with their labels.
device::VolumeSource MountedFatVolumes(const MountSources& sources = {});

}  // namespace app
