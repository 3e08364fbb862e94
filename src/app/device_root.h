#pragma once

#include <filesystem>
#include <optional>

#include "device/volume_label.h"
#include "ui/volume_chooser.h"

namespace app {

// Where the mounted volumes and their labels are read from.
struct MountSources {
  std::filesystem::path mount_table = "/proc/self/mounts";
  std::filesystem::path label_folder = device::kLabelFolder;
};

// The device root of a program started without one: its own folder when that looks like a
// recorder's root, otherwise the one mounted FAT volume that does, the one of several that the
// user picks with `chooser`, or the program's folder when none does. None when the user cancels.
std::optional<std::filesystem::path> FindDeviceRoot(const std::filesystem::path& program_folder,
                                                    ui::VolumeChooser& chooser,
                                                    const MountSources& sources = {});

}  // namespace app
