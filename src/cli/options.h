#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/set_matching.h"

namespace cli {

// What a command line with options asks for.
struct CommandLine {
  enum class Action { kStart, kShow, kWatch, kHelp, kVersion };
  Action action = Action::kStart;
  std::vector<SetRequest> sets;    // --start and --watch only
  std::string profile;             // --start and --watch only: the file, UTF-8; none when empty
  bool json = false;               // --show only
  bool all = false;                // every recorder found, in place of roots
  std::vector<std::string> roots;  // UTF-8
};

// Whether the arguments ask for the command line instead of the window: any of them is an
// option (begins with "-"), or, on Windows, "/?".
bool HasOptions(const std::vector<std::string>& arguments);

// Whether `argument` is the help option of Windows programs, "/?": only on Windows, where no path
// can be named so.
bool IsSlashHelp(std::string_view argument);

// The command line, or the reason it is wrong (a usage error).
std::variant<CommandLine, std::string> ParseCommandLine(const std::vector<std::string>& arguments);

// Whether the arguments ask for --show --json, whose output is UTF-8 wherever it goes.
bool PrintsJson(const std::vector<std::string>& arguments);

}  // namespace cli
