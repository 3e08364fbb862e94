#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/front_end.h"
#include "device/root_search.h"

namespace app {

// The whole program over a front end, shared by every main. `arguments` are UTF-8, without the
// program's own name: none, or the device root; with an option (command_line.h) the command line
// runs instead and the front end is never touched. Without one, the root is the program's folder
// when that looks like a recorder's root, else the one recorder among `recorder_volumes`, the
// one of several that the user picks with the front end's chooser, or the program's folder.
// Returns the exit status: 0 done (also when the user declines to choose a recorder), 1 a file
// error, 2 a run-time failure, 64 a wrong command line.
int RunProgram(FrontEnd& front_end, const std::vector<std::string>& arguments,
               const std::filesystem::path& program_folder,
               const device::VolumeSource& recorder_volumes);

}  // namespace app
