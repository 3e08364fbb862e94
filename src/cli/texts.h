#pragma once

#include <string>
#include <string_view>

#include "device/clock.h"

namespace cli {

// The system whose help is meant: the examples, the drives and how --watch stops differ.
enum class HelpSystem { kLinux, kWindows };

// The text of --help for `system`, or for the system the program runs on, in the language in use;
// the manual page is made from the English Linux one. Every line fits in 79 columns.
std::string HelpText(HelpSystem system);
std::string HelpText();
// The text of --version.
std::string VersionText();
// The short usage lines printed after a usage error on the command line, in the language in use.
std::string UsageText();
// What a wrong command line prints: `why` (printable UTF-8), the usage lines and a pointer to
// --help.
std::string UsageErrorText(std::string_view why);
// The warning after a Start that wrote `written` from a PC clock that no time server sets.
std::string UnsynchronisedClockText(const device::LocalTime& written);
// The one line printed when the window is given more than one root.
std::string_view WindowUsageText();

}  // namespace cli
