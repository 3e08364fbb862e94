#pragma once

#include <span>
#include <string>
#include <string_view>

#include "cli/options.h"

namespace cli {

// How an option acts on the command line, which decides where the usage lines show it.
enum class OptionRole {
  kMode,        // picks what the program does; one command line picks one
  kRepeatable,  // takes an argument and may be given again: "[--set NAME=CHOICE]..."
  kValue,       // takes an argument, once; left out of the usage lines, which it would carry past
                // 80 columns (help2man takes no continued usage line): --help lists it
  kFlag,        // "[--json]"
  // A flag left out of the usage lines, which it would carry past 80 columns (help2man takes no
  // continued usage line): --help lists it.
  kHelpOnlyFlag,
  kRootChoice,  // stands in place of the device roots, in the modes' root forms
  kEverywhere,  // taken before the rest is read, with every mode and the window (--language)
  kInfo,        // prints something and exits, whatever else is given
};

// The modes an option goes with, one bit an action.
using ModeSet = unsigned;
constexpr ModeSet ModeBit(CommandLine::Action action) {
  return 1u << static_cast<unsigned>(action);
}

// One option of the command line: what parsing, the usage lines and --help know of it.
struct OptionSpec {
  std::string_view name = {};          // "--set"
  std::string_view short_name = {};    // "-h", or empty
  std::string_view windows_name = {};  // "/?" on Windows only, or empty
  std::string_view argument = {};      // "NAME=CHOICE", or empty when it takes none
  OptionRole role;
  CommandLine::Action action = CommandLine::Action::kStart;  // kMode and kInfo: what it asks for
  ModeSet modes = 0;                          // kRepeatable, kValue, kFlag, kRootChoice
  bool CommandLine::*flag = nullptr;          // kFlag and kRootChoice: what it sets
  std::string CommandLine::*value = nullptr;  // kValue: where its argument goes
  // kMode: what stands for the roots in its usage lines, one line each ("\n" between them); an
  // empty form makes a line without roots.
  std::string_view usage_roots = {};
  // The lines of --help from the help column on, each ending "\n", to translate; "{1}" stands for
  // the modes the option goes with.
  std::string_view help = {};
  std::string_view linux_help = {};    // further lines on Linux only
  std::string_view windows_help = {};  // further lines on Windows only
};

// Every option, in the order --help lists them.
std::span<const OptionSpec> Options();

// The option named `argument` ("--set=A=B" names --set), or none.
const OptionSpec* FindOption(std::string_view argument);

// The names of the mode options in `modes` as `list` joins the last to the others before it:
// "--start, --show or --watch" with `list` "{1} or {2}".
std::string JoinedModeNames(ModeSet modes, std::string_view list);

}  // namespace cli
