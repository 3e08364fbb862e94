#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "cli/options.h"
#include "device/root_search.h"

namespace cli {

// A device root to work on.
struct Root {
  std::string shown;  // UTF-8, as given or found
  std::filesystem::path path;
};

// The roots that `command_line` names, every recorder for --all, or the one the window's search
// finds; or the exit status of a search that found none to take, its reason on stderr.
std::variant<std::vector<Root>, int> Roots(const CommandLine& command_line,
                                           const std::filesystem::path& program_folder,
                                           const device::VolumeSource& recorder_volumes);

}  // namespace cli
