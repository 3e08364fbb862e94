#include <algorithm>
#include <span>
#include <string>

#include "cli/option_table.h"
#include "cli/texts.h"
#include "language/language.h"

namespace cli {
namespace {

using language::ToTranslate;
using language::Translate;

// Where the options' help starts on each line of --help.
constexpr std::size_t kHelpColumn = 21;
// Where an exit status's meaning starts.
constexpr std::size_t kStatusColumn = 6;
// Where an example's explanation starts.
constexpr std::size_t kExampleColumn = 9;

// `text`'s lines, the first after `label` and the rest indented, all from `column` on (or two
// blanks after a longer label). A translation chooses its own line breaks; each line ends "\n".
std::string Hanging(std::string_view label, std::string_view text, std::size_t column) {
  std::string lead(label);
  lead.resize(std::max(label.size() + 2, column), ' ');
  const std::string indent(column, ' ');
  std::string lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.append(lines.empty() ? lead : indent).append(text.substr(0, end)).append("\n");
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

// An option's lines of --help: its names in front of its help.
std::string OptionHelp(const OptionSpec& option, HelpSystem system) {
  const bool windows = system == HelpSystem::kWindows;
  std::string names = "  ";
  if (!option.short_name.empty()) names.append(option.short_name).append(", ");
  names += option.name;
  if (windows && !option.windows_name.empty()) names.append(", ").append(option.windows_name);
  if (!option.argument.empty()) names.append(" ").append(option.argument);

  // Translators: a list of options, {1} those before the last (joined by ", "), {2} the last.
  const std::string_view list = Translate("{1} or {2}");
  std::string help = language::Fill(Translate(option.help), {JoinedModeNames(option.modes, list)});
  const std::string_view system_help = windows ? option.windows_help : option.linux_help;
  if (!system_help.empty()) help += Translate(system_help);
  return Hanging(names, help, kHelpColumn);
}

// A command line of the examples, given as it is typed, and what it does.
struct Example {
  std::string_view command;
  std::string_view explanation;
};

// The help is the same on both systems but for what a device root is, which drives are searched,
// the reasons for 64, where the history lies, the examples and what the options say of their
// system.
struct HelpParts {
  HelpSystem system;
  std::string_view device_root;
  std::string_view roots;
  std::string_view usage_status;
  std::string_view history_place;
  std::span<const Example> examples;
};

constexpr std::string_view kEveryRecorder =
    ToTranslate("Set the clock of every recorder plugged in.");
constexpr std::string_view kForAScript = ToTranslate("Print the recorder's settings for a script.");

constexpr Example kLinuxExamples[] = {
    {"datetime-cfg-creator --start --all", kEveryRecorder},
    {"datetime-cfg-creator --start --set \"Mode (Record Quality)=SP\" /media/me/REC",
     ToTranslate("Set the clock, and record in SP from now on.")},
    {"datetime-cfg-creator --show --json /media/me/REC", kForAScript},
    {"datetime-cfg-creator --watch --profile ~/office.json",
     ToTranslate("Give each recorder plugged in the clock and the settings that\n"
                 "--show --json printed for one recorder into ~/office.json.")},
    {"systemctl --user enable --now datetime-cfg-creator-watch",
     ToTranslate("Run --watch at every login, so that each recorder plugged in gets\n"
                 "its clock set (the service comes with the Debian package).")},
};

constexpr Example kWindowsExamples[] = {
    {"datetime-cfg-creator --start --all", kEveryRecorder},
    {"datetime-cfg-creator --start --set \"Mode (Record Quality)=SP\" E:",
     ToTranslate("Set the clock of the recorder on drive E:, and record in SP from\n"
                 "now on.")},
    {"datetime-cfg-creator --show --json E:", kForAScript},
    {"datetime-cfg-creator --start --profile C:\\Tools\\office.json E:",
     ToTranslate("Set the clock of the recorder on drive E:, and the settings that\n"
                 "--show --json printed for one recorder into that file.")},
    {"datetime-cfg-creator --watch",
     ToTranslate("Set the clock of each recorder plugged in, until \"Stop watching\".\n"
                 "\"Start watching at every login\" on its notification-area icon\n"
                 "puts a shortcut to it in the Startup folder.")},
};

// The paragraph on the roots is whole on each system, so that a translation words it as a whole.
constexpr HelpParts kLinuxHelp = {
    .system = HelpSystem::kLinux,
    .device_root =
        ToTranslate("Without an option the program opens its window on DEVICE_ROOT, the root of\n"
                    "the recorder's drive. With an option it opens no window and needs no\n"
                    "display.\n"),
    .roots = ToTranslate(
        "Without DEVICE_ROOT the program's own folder is the root when it holds a\n"
        "recorder's files, else the one recorder plugged in (a mounted FAT volume);\n"
        "with several plugged in, the window asks which, and the command line wants one\n"
        "named or --all. With none, the program's own folder is the root only when it\n"
        "lies on such a drive: otherwise the window waits in \"Plug in the recorder\"\n"
        "until one is plugged in (or a folder is chosen), and --start and --show end\n"
        "with 64, writing nothing.\n"),
    .usage_status =
        ToTranslate("a wrong command line, a device root that is not a folder, a --set\n"
                    "that is refused, several recorders and neither a root nor --all,\n"
                    "or none"),
    .history_place =
        ToTranslate("$XDG_STATE_HOME/datetime-cfg-creator/history.jsonl (without XDG_STATE_HOME,\n"
                    "~/.local/state/datetime-cfg-creator/history.jsonl)"),
    .examples = kLinuxExamples,
};

constexpr HelpParts kWindowsHelp = {
    .system = HelpSystem::kWindows,
    .device_root =
        ToTranslate("Without an option the program opens its window on DEVICE_ROOT, the\n"
                    "recorder's drive (E:) or a folder. With an option it opens no window.\n"),
    .roots = ToTranslate(
        "Without DEVICE_ROOT the program's own folder is the root when it holds a\n"
        "recorder's files, else the one recorder plugged in (a removable or USB\n"
        "drive);\n"
        "with several plugged in, the window asks which, and the command line wants one\n"
        "named or --all. With none, the program's own folder is the root only when it\n"
        "lies on such a drive: otherwise the window waits in \"Plug in the recorder\"\n"
        "until one is plugged in (or a folder is chosen), and --start and --show end\n"
        "with 64, writing nothing.\n"),
    .usage_status =
        ToTranslate("a wrong command line, a device root that is not a folder, a drive\n"
                    "that is missing or holds no disk, a --set that is refused, several\n"
                    "recorders and neither a root nor --all, or none"),
    // A path alone: nothing in it to translate.
    .history_place = "%LOCALAPPDATA%\\datetime-cfg-creator\\history.jsonl",
    .examples = kWindowsExamples,
};

std::string ExitStatuses(const HelpParts& parts) {
  std::string text;
  text += Hanging("  0", Translate("exit status", "done"), kStatusColumn);
  text += Hanging("  1",
                  Translate("the settings file holds a value that the recorder's screen does not\n"
                            "accept"),
                  kStatusColumn);
  text += Hanging("  2",
                  Translate("a run-time failure: a settings-line character that is not a digit, a\n"
                            "file or device root that cannot be read or written"),
                  kStatusColumn);
  text += Hanging("  64", Translate(parts.usage_status), kStatusColumn);
  return text;
}

std::string Help(const HelpParts& parts) {
  std::string text = UsageText();
  text += Translate(
      "Set the clock and the settings of a digital voice recorder connected as a\n"
      "drive.\n");
  text += "\n";
  text += Translate(parts.device_root);
  text.append("\n").append(Translate("Options:")).append("\n");
  for (const OptionSpec& option : Options()) text += OptionHelp(option, parts.system);
  text += "\n";
  text += Translate(
      "NAME is a setting's caption as the screen shows it (\"VOS Level\") or its\n"
      "control name (\"Frame2\"); CHOICE is the text of a button or list item (\"+ 1\")\n"
      "or its code digit. Case and runs of blanks do not matter. A --set that the\n"
      "recorder's screen does not offer changes nothing on the device.\n");
  text += "\n";
  text += Translate(parts.roots);
  text += Translate(
      "With several roots each gets a line on standard output: \"ROOT: done\" or what\n"
      "went wrong.\n");
  text += "\n";
  text += language::Fill(
      // Translators: {1} is where the history lies, on lines of its own.
      Translate(
          "Every write (Start in the window, --start, each recorder of --watch, --undo)\n"
          "adds one JSON object a line to the history of writes,\n"
          "{1}:\n"
          "\"kind\", \"when\" (the PC's time and zone), \"clock_set_to\",\n"
          "\"pc_clock_synchronised\", \"root\", \"volume_label\", \"volume_serial\", \"model\",\n"
          "\"version\", \"settings_file\", \"settings_before\", \"settings_after\" and\n"
          "\"outcome\" (\"done\", or \"failed\" with \"status\" and \"message\"). A history that\n"
          "cannot be written fails no write: standard error says so. --undo ends with\n"
          "64, writing nothing, where the history has no Start that changed the\n"
          "recorder's settings, where that change was already undone, or where the\n"
          "recorder's settings line has changed since.\n"),
      {Translate(parts.history_place)});
  text += "\n";
  text.append(Translate("Exit status:")).append("\n");
  text += ExitStatuses(parts);
  text += Translate(
      "With several roots the status is the highest of them. --watch ends with 0 when\n"
      "stopped, whatever happened on the recorders, and at once when another --watch\n"
      "of the same user is running.\n");
  text += "\n";
  text.append(Translate("Examples:")).append("\n");
  for (const Example& example : parts.examples) {
    text.append("  ").append(example.command).append("\n");
    text += Hanging("", Translate(example.explanation), kExampleColumn);
  }
  return text;
}

}  // namespace

std::string HelpText(HelpSystem system) {
  return Help(system == HelpSystem::kWindows ? kWindowsHelp : kLinuxHelp);
}

std::string HelpText() {
#ifdef _WIN32
  return HelpText(HelpSystem::kWindows);
#else
  return HelpText(HelpSystem::kLinux);
#endif
}

}  // namespace cli
