#include "cli/texts.h"

#include "screens/program_text.h"

namespace cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: datetime-cfg-creator [DEVICE_ROOT]\n"
    "  or:  datetime-cfg-creator --start [--set NAME=CHOICE]... [DEVICE_ROOT...]\n"
    "  or:  datetime-cfg-creator --start [--set NAME=CHOICE]... --all\n"
    "  or:  datetime-cfg-creator --show [--json] [--all | DEVICE_ROOT...]\n"
    "  or:  datetime-cfg-creator --watch [--set NAME=CHOICE]...\n";

// The help is the same on both systems but for what a device root is, how --watch stops, the
// help option, which drives are searched, the reasons for 64 and the examples.
struct HelpParts {
  std::string_view device_root;
  std::string_view watch_stop;
  std::string_view help_option;
  std::string_view drives;
  std::string_view usage_status;
  std::string_view examples;
};

constexpr HelpParts kLinuxHelp = {
    .device_root =
        "Without an option the program opens its window on DEVICE_ROOT, the root of\n"
        "the recorder's drive. With an option it opens no window and needs no\n"
        "display.\n",
    .watch_stop = "                     Ctrl+C, SIGTERM or SIGHUP stops it\n",
    .help_option = "  -h, --help         print this help and exit\n",
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
        "  systemctl --user enable --now datetime-cfg-creator-watch\n"
        "         Run --watch at every login, so that each recorder plugged in gets\n"
        "         its clock set (the service comes with the Debian package).\n",
};

constexpr HelpParts kWindowsHelp = {
    .device_root =
        "Without an option the program opens its window on DEVICE_ROOT, the\n"
        "recorder's drive (E:) or a folder. With an option it opens no window.\n",
    .watch_stop =
        "                     \"Stop watching\" on its notification-area icon, or\n"
        "                     Ctrl+C in its console, stops it\n",
    .help_option = "  -h, --help, /?     print this help and exit\n",
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
        "  datetime-cfg-creator --watch\n"
        "         Set the clock of each recorder plugged in, until \"Stop watching\".\n"
        "         \"Start watching at every login\" on its notification-area icon\n"
        "         puts a shortcut to it in the Startup folder.\n",
};

std::string Help(const HelpParts& parts) {
  std::string text(kUsage);
  text +=
      "Set the clock and the settings of a digital voice recorder connected as a\n"
      "drive.\n"
      "\n";
  text += parts.device_root;
  text +=
      "\n"
      "Options:\n"
      "  --start            do for each DEVICE_ROOT what Start on its first screen\n"
      "                     does: write date_time.cfg with the PC's date and time\n"
      "                     and, on a settings screen, the settings\n"
      "  --set NAME=CHOICE  with --start or --watch: pick CHOICE for the setting NAME\n"
      "                     first, as a click would; on models 0 and 1 the settings\n"
      "                     are those of the Option Setting screen. Repeat it for\n"
      "                     more settings\n"
      "  --show             print the recorder's model and every setting its screen\n"
      "                     shows, with the current choice and the choices offered;\n"
      "                     writes nothing\n"
      "  --json             with --show: one JSON object a root, one a line\n"
      "  --watch            run until stopped; each time a recorder is plugged in,\n"
      "                     do on it what --start does, with the --set options\n"
      "                     given, print \"ROOT: done\" or what went wrong, and show\n"
      "                     a desktop notification. Recorders already plugged in\n"
      "                     are done at once.\n";
  text += parts.watch_stop;
  text += "  --all              every recorder plugged in, in place of DEVICE_ROOT\n";
  text += parts.help_option;
  text +=
      "  --version          print the version and exit\n"
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
  return kUsage;
}

std::string UsageErrorText(std::string_view why) {
  return "datetime-cfg-creator: " + std::string(why) + "\n" + std::string(kUsage) +
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
