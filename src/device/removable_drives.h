#pragma once

#include <filesystem>
#include <vector>

#include "device/root_search.h"

namespace device {

// Windows: the removable drives ("E:\") that are ready, each with its volume label, in the order
// of their letters. A drive without a medium is left out.
std::vector<Volume> RemovableDrives();

// Windows: the folder that holds the running program.
std::filesystem::path ExecutableFolder();

}  // namespace device
