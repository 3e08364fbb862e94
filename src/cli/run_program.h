#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/front_end.h"
#include "cli/watch_command.h"
#include "device/root_search.h"

namespace cli {

// The whole program over a front end, shared by every main. `arguments` are UTF-8, without the
// program's own name: none, or the device root, for the window (app::RunWindow); with an option
// (options.h) the command line runs instead and the front end is never touched. Returns the exit
// status: 0 done, 1 a file error, 2 a run-time failure, 64 a wrong command line. `watch_system`
// is made only for --watch.
int RunProgram(app::FrontEnd& front_end, const std::vector<std::string>& arguments,
               const std::filesystem::path& program_folder,
               const device::VolumeSource& recorder_volumes,
               const WatchSystemMaker& watch_system = {});

}  // namespace cli
