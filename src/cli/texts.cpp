#include "cli/texts.h"

#include <algorithm>
#include <string>

#include "cli/option_table.h"
#include "screens/program_text.h"

namespace cli {
namespace {

constexpr std::string_view kProgram = "datetime-cfg-creator";
// Where the options' help starts on each line of --help.
constexpr std::size_t kHelpColumn = 21;

// The usage lines: the window's, then one for each mode and form of its roots.
std::string UsageLines() {
  std::string lines = "Usage: ";
  lines.append(kProgram).append(" [DEVICE_ROOT]\n");
  for (const OptionSpec& mode : Options()) {
    if (mode.role != OptionRole::kMode) continue;
    std::string line = "  or:  ";
    line.append(kProgram).append(" ").append(mode.name);
    for (const OptionSpec& option : Options()) {
      if ((option.modes & ModeBit(mode.action)) == 0) continue;
      if (option.role == OptionRole::kRepeatable)
        line.append(" [").append(option.name).append(" ").append(option.argument).append("]...");
      if (option.role == OptionRole::kFlag) line.append(" [").append(option.name).append("]");
    }
    std::string_view forms = mode.usage_roots;
    for (bool more = true; more;) {
      const std::size_t end = forms.find('\n');
      more = end != std::string_view::npos;
      const std::string_view form = forms.substr(0, end);
      lines += line;
      if (!form.empty()) lines.append(" ").append(form);
      lines += "\n";
      if (more) forms.remove_prefix(end + 1);
    }
  }
  return lines;
}

// An option's lines of --help: its names in front of the first, the rest indented to the help
// column.
std::string OptionHelp(const OptionSpec& option, HelpSystem system) {
  const bool windows = system == HelpSystem::kWindows;
  std::string names = "  ";
  if (!option.short_name.empty()) names.append(option.short_name).append(", ");
  names += option.name;
  if (windows && !option.windows_name.empty()) names.append(", ").append(option.windows_name);
  if (!option.argument.empty()) names.append(" ").append(option.argument);
  names.resize(std::max(names.size() + 2, kHelpColumn), ' ');

  std::string help;
  if (option.role == OptionRole::kRepeatable || option.role == OptionRole::kValue ||
      option.role == OptionRole::kFlag)
    help.append("with ").append(ModeNames(option.modes, " or ")).append(": ");
  help.append(option.help).append(windows ? option.windows_help : option.linux_help);

  std::string text;
  const std::string indent(kHelpColumn, ' ');
  for (std::size_t start = 0, end; (end = help.find('\n', start)) != std::string::npos;
       start = end + 1) {
    text += (start == 0 ? names : indent) + help.substr(start, end + 1 - start);
  }
  return text;
}

std::string OptionsHelp(HelpSystem system) {
  std::string text;
  for (const OptionSpec& option : Options()) text += OptionHelp(option, system);
  return text;
}

// The help is the same on both systems but for what a device root is, which drives are searched,
// the reasons for 64, the examples and what the options say of their system.
struct HelpParts {
  HelpSystem system;
  std::string_view device_root;
  std::string_view drives;
  std::string_view usage_status;
  std::string_view examples;
};

constexpr HelpParts kLinuxHelp = {
    .system = HelpSystem::kLinux,
    .device_root =
        "Without an option the program opens its window on DEVICE_ROOT, the root of\n"
        "the recorder's drive. With an option it opens no window and needs no\n"
        "display.\n",
    .drives = "recorder's files, else the one recorder plugged in (a mounted FAT volume);\n",
    .usage_status =
        "  64  a wrong command line, a device root that is not a folder, a --set\n"
        "      that is refused, several recorders and neither a root nor --all,\n"
        "      or none\n",
    .examples =
        "  datetime-cfg-creator --start --all\n"
        "         Set the clock of every recorder plugged in.\n"
        "  datetime-cfg-creator --start --set \"Mode (Record Quality)=SP\" /media/me/REC\n"
        "         Set the clock, and record in SP from now on.\n"
        "  datetime-cfg-creator --show --json /media/me/REC\n"
        "         Print the recorder's settings for a script.\n"
        "  datetime-cfg-creator --watch --profile ~/office.json\n"
        "         Give each recorder plugged in the clock and the settings that\n"
        "         --show --json printed for one recorder into ~/office.json.\n"
        "  systemctl --user enable --now datetime-cfg-creator-watch\n"
        "         Run --watch at every login, so that each recorder plugged in gets\n"
        "         its clock set (the service comes with the Debian package).\n",
};

constexpr HelpParts kWindowsHelp = {
    .system = HelpSystem::kWindows,
    .device_root =
        "Without an option the program opens its window on DEVICE_ROOT, the\n"
        "recorder's drive (E:) or a folder. With an option it opens no window.\n",
    .drives =
        "recorder's files, else the one recorder plugged in (a removable or USB\n"
        "drive);\n",
    .usage_status =
        "  64  a wrong command line, a device root that is not a folder, a drive\n"
        "      that is missing or holds no disk, a --set that is refused, several\n"
        "      recorders and neither a root nor --all, or none\n",
    .examples =
        "  datetime-cfg-creator --start --all\n"
        "         Set the clock of every recorder plugged in.\n"
        "  datetime-cfg-creator --start --set \"Mode (Record Quality)=SP\" E:\n"
        "         Set the clock of the recorder on drive E:, and record in SP from\n"
        "         now on.\n"
        "  datetime-cfg-creator --show --json E:\n"
        "         Print the recorder's settings for a script.\n"
        "  datetime-cfg-creator --start --profile C:\\Tools\\office.json E:\n"
        "         Set the clock of the recorder on drive E:, and the settings that\n"
        "         --show --json printed for one recorder into that file.\n"
        "  datetime-cfg-creator --watch\n"
        "         Set the clock of each recorder plugged in, until \"Stop watching\".\n"
        "         \"Start watching at every login\" on its notification-area icon\n"
        "         puts a shortcut to it in the Startup folder.\n",
};

std::string Help(const HelpParts& parts) {
  std::string text(UsageText());
  text +=
      "Set the clock and the settings of a digital voice recorder connected as a\n"
      "drive.\n"
      "\n";
  text += parts.device_root;
  text += "\nOptions:\n";
  text += OptionsHelp(parts.system);
  text +=
      "\n"
      "NAME is a setting's caption as the screen shows it (\"VOS Level\") or its\n"
      "control name (\"Frame2\"); CHOICE is the text of a button or list item (\"+ 1\")\n"
      "or its code digit. Case and runs of blanks do not matter. A --set that the\n"
      "recorder's screen does not offer changes nothing on the device.\n"
      "\n"
      "Without DEVICE_ROOT the program's own folder is the root when it holds a\n";
  text += parts.drives;
  text +=
      "with several plugged in, the window asks which, and the command line wants one\n"
      "named or --all. With none, the program's own folder is the root only when it\n"
      "lies on such a drive: otherwise the window waits in \"Plug in the recorder\"\n"
      "until one is plugged in (or a folder is chosen), and --start and --show end\n"
      "with 64, writing nothing.\n"
      "With several roots each gets a line on standard output: \"ROOT: done\" or what\n"
      "went wrong.\n"
      "\n"
      "Exit status:\n"
      "  0   done\n"
      "  1   the settings file holds a value that the recorder's screen does not\n"
      "      accept\n"
      "  2   a run-time failure: a settings-line character that is not a digit, a\n"
      "      file or device root that cannot be read or written\n";
  text += parts.usage_status;
  text +=
      "With several roots the status is the highest of them. --watch ends with 0 when\n"
      "stopped, whatever happened on the recorders, and at once when another --watch\n"
      "of the same user is running.\n"
      "\n"
      "Examples:\n";
  text += parts.examples;
  return text;
}

constexpr std::string_view kWindowUsage =
    "usage: datetime-cfg-creator [DEVICE_ROOT]  (--help for the options)";

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

std::string VersionText() {
  return "datetime-cfg-creator " + std::string(screens::kProgramVersion) +
         "\nCopyright (c) 2026 the " + std::string(screens::kProgramName) +
         " developers\n"
         "License MIT: <https://opensource.org/licenses/MIT>\n";
}

std::string_view UsageText() {
  static const std::string usage = UsageLines();
  return usage;
}

std::string UsageErrorText(std::string_view why) {
  return "datetime-cfg-creator: " + std::string(why) + "\n" + std::string(UsageText()) +
         "Try 'datetime-cfg-creator --help' for more information.";
}

std::string_view WindowUsageText() {
  return kWindowUsage;
}

std::string UnsynchronisedClockText(const device::LocalTime& written) {
  return "The PC's clock is not synchronised with a time server, so the recorder was set to the "
         "PC's time, " +
         device::FormatLiveClock(written) +
         ". If that time is wrong, correct the PC's clock and set the recorder again.";
}

}  // namespace cli
