#include "app/command_line.h"

#include "screens/program_text.h"

namespace app {
namespace {

constexpr std::string_view kUsage =
    "Usage: datetime-cfg-creator [DEVICE_ROOT]\n"
    "  or:  datetime-cfg-creator --start [--set NAME=CHOICE]... [--all | DEVICE_ROOT...]\n"
    "  or:  datetime-cfg-creator --show [--json] [--all | DEVICE_ROOT...]\n";

constexpr std::string_view kHelpBody =
    "Set the clock and the settings of a digital voice recorder connected as a drive.\n"
    "\n"
    "Without an option the program opens its window on DEVICE_ROOT, the root of the\n"
    "recorder's drive. With an option it opens no window and needs no display.\n"
    "\n"
    "Options:\n"
    "  --start            do for each DEVICE_ROOT what Start on its first screen does:\n"
    "                     write date_time.cfg with the PC's date and time and, on a\n"
    "                     settings screen, the settings\n"
    "  --set NAME=CHOICE  with --start: pick CHOICE for the setting NAME first, as a\n"
    "                     click would; on models 0 and 1 the settings are those of the\n"
    "                     Option Setting screen. Repeat it for more settings\n"
    "  --show             print the recorder's model and every setting its screen\n"
    "                     shows, with the current choice and the choices offered;\n"
    "                     writes nothing\n"
    "  --json             with --show: one JSON object a root, one a line\n"
    "  --all              every recorder plugged in, in place of DEVICE_ROOT\n"
    "  -h, --help         print this help and exit\n"
    "  --version          print the version and exit\n"
    "\n"
    "NAME is a setting's caption as the screen shows it (\"VOS Level\") or its control\n"
    "name (\"Frame2\"); CHOICE is the text of a button or list item (\"+ 1\") or its code\n"
    "digit. Case and runs of blanks do not matter. A --set that the recorder's screen\n"
    "does not offer changes nothing on the device.\n"
    "\n"
    "Without DEVICE_ROOT the program's own folder is the root when it holds a\n"
    "recorder's files, else the one recorder plugged in (a mounted FAT volume on Linux,\n"
    "a removable drive on Windows); with several plugged in, name one or give --all.\n"
    "With several roots each gets a line on standard output: \"ROOT: done\" or what\n"
    "went wrong.\n"
    "\n"
    "Exit status:\n"
    "  0   done\n"
    "  1   the settings file holds a value that the recorder's screen does not accept\n"
    "  2   a run-time failure: a settings-line character that is not a digit, a file\n"
    "      that cannot be read or written\n"
    "  64  a wrong command line, a device root that is not a folder, a --set that is\n"
    "      refused, several recorders and neither a root nor --all, or none with --all\n"
    "With several roots the status is the highest of them.\n"
    "\n"
    "Examples:\n"
    "  datetime-cfg-creator --start --all\n"
    "         Set the clock of every recorder plugged in.\n"
    "  datetime-cfg-creator --start --set \"Mode (Record Quality)=SP\" /media/me/REC\n"
    "         Set the clock, and record in SP from now on.\n"
    "  datetime-cfg-creator --show --json /media/me/REC\n"
    "         Print the recorder's settings for a script.\n";

using Parsed = std::variant<CommandLine, std::string>;

bool SetAction(CommandLine& command_line, std::optional<CommandLine::Action>& action,
               CommandLine::Action wanted) {
  if (action && *action != wanted) return false;
  action = wanted;
  command_line.action = wanted;
  return true;
}

std::optional<SetRequest> ParseSet(std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  SetRequest request{std::string(text.substr(0, equals)), std::string(text.substr(equals + 1))};
  if (Tidy(request.name).empty() || Tidy(request.choice).empty()) return std::nullopt;
  return request;
}

}  // namespace

bool HasOptions(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument.size() > 1 && argument[0] == '-') return true;
  }
  return false;
}

Parsed ParseCommandLine(const std::vector<std::string>& arguments) {
  using Action = CommandLine::Action;
  CommandLine command_line;
  std::optional<Action> action;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (options_ended || argument.size() < 2 || argument[0] != '-') {
      command_line.roots.push_back(argument);
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == "--help" || argument == "-h") {
      return CommandLine{Action::kHelp, {}, false, false, {}};
    } else if (argument == "--version") {
      return CommandLine{Action::kVersion, {}, false, false, {}};
    } else if (argument == "--start" || argument == "--show") {
      if (!SetAction(command_line, action, argument == "--start" ? Action::kStart : Action::kShow))
        return std::string("give either --start or --show");
    } else if (argument == "--json") {
      command_line.json = true;
    } else if (argument == "--all") {
      command_line.all = true;
    } else if (argument == "--set" || argument.starts_with("--set=")) {
      std::string_view text;
      if (argument != "--set") {
        text = std::string_view(argument).substr(6);
      } else if (i + 1 < arguments.size()) {
        text = arguments[++i];
      } else {
        return std::string("--set wants NAME=CHOICE");
      }
      const std::optional<SetRequest> request = ParseSet(text);
      if (!request) return "--set wants NAME=CHOICE, not \"" + std::string(text) + "\"";
      command_line.sets.push_back(*request);
    } else {
      return "unknown option \"" + argument + "\"";
    }
  }
  if (!action) return std::string("give --start or --show (or --help)");
  if (!command_line.sets.empty() && command_line.action != Action::kStart)
    return std::string("--set goes with --start");
  if (command_line.json && command_line.action != Action::kShow)
    return std::string("--json goes with --show");
  if (command_line.all && !command_line.roots.empty())
    return std::string("give either --all or device roots");
  return command_line;
}

std::string HelpText() {
  return std::string(kUsage) + std::string(kHelpBody);
}

std::string VersionText() {
  return "datetime-cfg-creator " + std::string(screens::kProgramVersion) +
         "\nCopyright (c) 2026 the " + std::string(screens::kProgramName) +
         " developers\n"
         "License MIT: <https://opensource.org/licenses/MIT>\n";
}

std::string_view UsageText() {
  return kUsage;
}

}  // namespace app
