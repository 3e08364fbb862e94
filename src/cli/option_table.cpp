#include "cli/option_table.h"

#include <array>
#include <vector>

#include "language/language.h"

namespace cli {
namespace {

using Action = CommandLine::Action;

constexpr ModeSet kStartOrWatch = ModeBit(Action::kStart) | ModeBit(Action::kWatch);
constexpr ModeSet kStartOrShow = ModeBit(Action::kStart) | ModeBit(Action::kShow);
constexpr ModeSet kWrites = kStartOrWatch | ModeBit(Action::kUndo);

constexpr std::array kOptions = {
    OptionSpec{
        .name = "--start",
        .role = OptionRole::kMode,
        .action = Action::kStart,
        .usage_roots = "[DEVICE_ROOT...]\n--all",
        .help = language::ToTranslate("do for each DEVICE_ROOT what Start on its first screen\n"
                                      "does: write date_time.cfg with the PC's date and time\n"
                                      "and, on a settings screen, the settings\n"),
    },
    OptionSpec{
        .name = "--set",
        .argument = "NAME=CHOICE",
        .role = OptionRole::kRepeatable,
        .modes = kStartOrWatch,
        .help = language::ToTranslate("with {1}: pick CHOICE for the setting NAME\n"
                                      "first, as a click would; on models 0 and 1 the settings\n"
                                      "are those of the Option Setting screen. Repeat it for\n"
                                      "more settings\n"),
    },
    OptionSpec{
        .name = "--profile",
        .argument = "FILE",
        .role = OptionRole::kValue,
        .modes = kStartOrWatch,
        .value = &CommandLine::profile,
        .help = language::ToTranslate("with {1}: pick the settings of FILE on each\n"
                                      "recorder, as --set would: FILE holds what --show --json\n"
                                      "printed for one recorder, or lines NAME=CHOICE. A --set\n"
                                      "beside it wins; settings that the recorder's screen does\n"
                                      "not show are skipped and named\n"),
    },
    OptionSpec{
        .name = "--show",
        .role = OptionRole::kMode,
        .action = Action::kShow,
        .usage_roots = "[--all | DEVICE_ROOT...]",
        .help = language::ToTranslate("print the recorder's model and every setting its screen\n"
                                      "shows, with the current choice and the choices offered;\n"
                                      "writes nothing\n"),
    },
    OptionSpec{
        .name = "--json",
        .role = OptionRole::kFlag,
        .modes = ModeBit(Action::kShow) | ModeBit(Action::kHistory),
        .flag = &CommandLine::json,
        .help = language::ToTranslate("with {1}: one JSON object a line: a root's\n"
                                      "(--show) or a write's (--history)\n"),
    },
    OptionSpec{
        .name = "--watch",
        .role = OptionRole::kMode,
        .action = Action::kWatch,
        .usage_roots = "",
        .help = language::ToTranslate("run until stopped; each time a recorder is plugged in,\n"
                                      "do on it what --start does, with the --set options\n"
                                      "given, print \"ROOT: done\" or what went wrong, and show\n"
                                      "a desktop notification. Recorders already plugged in\n"
                                      "are done at once.\n"),
        .linux_help = language::ToTranslate("Ctrl+C, SIGTERM or SIGHUP stops it\n"),
        .windows_help =
            language::ToTranslate("\"Stop watching\" on its notification-area icon, or\n"
                                  "Ctrl+C in its console, stops it\n"),
    },
    OptionSpec{
        .name = "--history",
        .role = OptionRole::kMode,
        .action = Action::kHistory,
        .usage_roots = "[DEVICE_ROOT]",
        .help = language::ToTranslate("print the history of writes from this PC, newest last:\n"
                                      "when, the time the clock got, the recorder, its\n"
                                      "settings line before and after, and how it ended; only\n"
                                      "DEVICE_ROOT's recorder's writes when it is given\n"),
    },
    OptionSpec{
        .name = "--undo",
        .role = OptionRole::kMode,
        .action = Action::kUndo,
        .usage_roots = "DEVICE_ROOT",
        .help = language::ToTranslate("write back the settings line that the recorder had\n"
                                      "before its last Start from this PC that changed it;\n"
                                      "the clock file is left as it is\n"),
    },
    OptionSpec{
        .name = "--no-history",
        .role = OptionRole::kHelpOnlyFlag,
        .modes = kWrites,
        .flag = &CommandLine::no_history,
        .help = language::ToTranslate("with {1}: add nothing to the\n"
                                      "history; the window takes it too\n"),
    },
    OptionSpec{
        .name = "--language",
        .argument = "CODE",
        .role = OptionRole::kEverywhere,
        .help = language::ToTranslate("show the windows and their messages in the language\n"
                                      "of CODE, ko (Korean), ja (Japanese) or en (English),\n"
                                      "in place of the user's own; the window takes it too\n"),
    },
    OptionSpec{
        .name = "--all",
        .role = OptionRole::kRootChoice,
        .modes = kStartOrShow,
        .flag = &CommandLine::all,
        .help = language::ToTranslate("every recorder plugged in, in place of DEVICE_ROOT\n"),
    },
    OptionSpec{
        .name = "--help",
        .short_name = "-h",
        .windows_name = "/?",
        .role = OptionRole::kInfo,
        .action = Action::kHelp,
        .help = language::ToTranslate("print this help and exit\n"),
    },
    OptionSpec{
        .name = "--version",
        .role = OptionRole::kInfo,
        .action = Action::kVersion,
        .help = language::ToTranslate("print the version and exit\n"),
    },
};

// Whether `argument` names `option`: "/?" only on Windows, where no path can be named so.
bool Names(const OptionSpec& option, std::string_view argument) {
  if (argument == option.name) return true;
  if (!option.short_name.empty() && argument == option.short_name) return true;
#ifdef _WIN32
  if (!option.windows_name.empty() && argument == option.windows_name) return true;
#endif
  return !option.argument.empty() && argument.starts_with(option.name) &&
         argument.substr(option.name.size()).starts_with('=');
}

}  // namespace

std::span<const OptionSpec> Options() {
  return kOptions;
}

const OptionSpec* FindOption(std::string_view argument) {
  for (const OptionSpec& option : kOptions) {
    if (Names(option, argument)) return &option;
  }
  return nullptr;
}

std::string JoinedModeNames(ModeSet modes, std::string_view list) {
  std::vector<std::string_view> names;
  for (const OptionSpec& option : kOptions) {
    if (option.role == OptionRole::kMode && (modes & ModeBit(option.action)) != 0)
      names.push_back(option.name);
  }
  if (names.size() < 2) return names.empty() ? std::string() : std::string(names.front());
  std::string others;
  for (std::size_t i = 0; i + 1 < names.size(); ++i) {
    if (i > 0) others += ", ";
    others += names[i];
  }
  return language::Fill(list, {others, names.back()});
}

}  // namespace cli
