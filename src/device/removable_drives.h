#pragma once

#include <filesystem>
#include <vector>

#include "device/root_search.h"

namespace device {

// Windows: the drives that may be a recorder ("E:\"), each with its volume label, in the order of
// their letters: removable drives, and fixed ones whose disk is attached through USB. The system
// drive and a drive without a medium are left out.
std::vector<Volume> RemovableDrives();

// Windows: the running program's file, and the folder that holds it; empty where unknown.
std::filesystem::path ExecutablePath();
std::filesystem::path ExecutableFolder();

}  // namespace device
