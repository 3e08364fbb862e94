#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "device/root_search.h"
#include "device/volume_label.h"

namespace device {

// Where the mounted volumes and their labels are read from.
struct MountSources {
  std::filesystem::path mount_table = "/proc/self/mountinfo";
  std::filesystem::path label_folder = kLabelFolder;
};

// The recorders that a Linux system has mounted: its FAT volumes, with their labels, their device
// numbers and the mounts of their places (Volume).
VolumeSource MountedFatVolumes(const MountSources& sources = {});

// The mounts of every FAT volume mounted now (Volume::mounts), without their labels: what
// --watch compares to notice which of them go away.
std::vector<std::string> MountedFatMounts();

}  // namespace device
