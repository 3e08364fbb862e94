#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cli/watch_command.h"
#include "device/clock.h"
#include "device/root_search.h"

namespace cli {

// Where the command line finds its recorders, and its clock.
struct CommandEnvironment {
  std::filesystem::path program_folder;
  device::VolumeSource recorder_volumes;
  const device::Clock& clock;
  WatchSystemMaker watch_system;  // for --watch
};

// The program run with options (HasOptions): --start, --show, --watch, --help or --version, with no
// window and no front end. Prints on stdout and stderr; returns the exit status.
int RunCommandLine(const std::vector<std::string>& arguments,
                   const CommandEnvironment& environment);

}  // namespace cli
