#pragma once

#include <filesystem>
#include <vector>

#include "device/root_search.h"

namespace device {

// Windows: the drives that may be a recorder ("E:\"), each with its volume label, in the order of
// their letters: removable drives, and fixed ones whose disk is attached through USB. The system
// drive and a drive without a medium are left out.
std::vector<Volume> RemovableDrives();

// Windows: the folder that holds the running program.
std::filesystem::path ExecutableFolder();

}  // namespace device
