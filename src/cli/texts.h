#pragma once

#include <string>
#include <string_view>

namespace cli {

// The text of --help, which the manual page is made from, and of --version.
std::string HelpText();
std::string VersionText();
// The short usage lines printed after a usage error on the command line.
std::string_view UsageText();
// What a wrong command line prints: `why` (printable UTF-8), the usage lines and a pointer to
// --help.
std::string UsageErrorText(std::string_view why);
// The one line printed when the window is given more than one root.
std::string_view WindowUsageText();

}  // namespace cli
