#include "cli/texts.h"

#include "screens/program_text.h"

namespace cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: datetime-cfg-creator [DEVICE_ROOT]\n"
    "  or:  datetime-cfg-creator --start [--set NAME=CHOICE]... [--all | DEVICE_ROOT...]\n"
    "  or:  datetime-cfg-creator --show [--json] [--all | DEVICE_ROOT...]\n"
    "  or:  datetime-cfg-creator --watch [--set NAME=CHOICE]...\n";

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
    "  --set NAME=CHOICE  with --start or --watch: pick CHOICE for the setting NAME\n"
    "                     first, as a click would; on models 0 and 1 the settings\n"
    "                     are those of the Option Setting screen. Repeat it for\n"
    "                     more settings\n"
    "  --show             print the recorder's model and every setting its screen\n"
    "                     shows, with the current choice and the choices offered;\n"
    "                     writes nothing\n"
    "  --json             with --show: one JSON object a root, one a line\n"
    "  --watch            run until stopped; each time a recorder is plugged in, do\n"
    "                     on it what --start does, with the --set options given,\n"
    "                     print \"ROOT: done\" or what went wrong, and show a desktop\n"
    "                     notification. Recorders already plugged in are done at\n"
    "                     once. Ctrl+C, SIGTERM or SIGHUP (on Windows also \"Stop\n"
    "                     watching\" on its notification-area icon) stops it\n"
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
    "a removable or USB drive on Windows); with several plugged in, the window asks\n"
    "which, and the command line wants one named or --all. With none, the program's\n"
    "own folder is the root only when it lies on such a drive: otherwise the window\n"
    "waits in \"Plug in the recorder\" until one is plugged in (or a folder is chosen),\n"
    "and --start and --show end with 64, writing nothing.\n"
    "With several roots each gets a line on standard output: \"ROOT: done\" or what\n"
    "went wrong.\n"
    "\n"
    "Exit status:\n"
    "  0   done\n"
    "  1   the settings file holds a value that the recorder's screen does not accept\n"
    "  2   a run-time failure: a settings-line character that is not a digit, a file\n"
    "      that cannot be read or written\n"
    "  64  a wrong command line, a device root that is not a folder, a --set that is\n"
    "      refused, several recorders and neither a root nor --all, or none\n"
    "With several roots the status is the highest of them. --watch ends with 0 when\n"
    "stopped, whatever happened on the recorders.\n"
    "\n"
    "Examples:\n"
    "  datetime-cfg-creator --start --all\n"
    "         Set the clock of every recorder plugged in.\n"
    "  datetime-cfg-creator --start --set \"Mode (Record Quality)=SP\" /media/me/REC\n"
    "         Set the clock, and record in SP from now on.\n"
    "  datetime-cfg-creator --show --json /media/me/REC\n"
    "         Print the recorder's settings for a script.\n"
    "  systemctl --user enable --now datetime-cfg-creator-watch\n"
    "         Run --watch at every login, so that each recorder plugged in gets\n"
    "         its clock set (the service comes with the Debian package).\n";

constexpr std::string_view kWindowUsage =
    "usage: datetime-cfg-creator [DEVICE_ROOT]  (--help for the options)";

}  // namespace

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

std::string UsageErrorText(std::string_view why) {
  return "datetime-cfg-creator: " + std::string(why) + "\n" + std::string(kUsage) +
         "Try 'datetime-cfg-creator --help' for more information.";
}

std::string_view WindowUsageText() {
  return kWindowUsage;
}

}  // namespace cli
