#pragma once

#include <string>
#include <string_view>

namespace app {

// A device root as typed on a Windows command line, in the form the user means: E:, E:\\,
// \\?\E:\ and E:" all name the root of drive E:, which is E:\ to the system. The last is what a
// quoted root that ends in a backslash, "E:\", reaches the program as (the C runtime reads \" as
// a quote sign); no Windows path holds a quote sign, so a final one stands for the backslash.
// Runs of separators become one, past the two that begin a network path. Other text stays.
std::string WindowsRootText(std::string_view argument);

// A device root argument as this system reads it: WindowsRootText on Windows, the text itself
// elsewhere.
std::string RootText(std::string_view argument);

}  // namespace app
