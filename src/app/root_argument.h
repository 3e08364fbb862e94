#pragma once

#include <string>
#include <string_view>

namespace app {

// A device root as typed on a Windows command line, in the form the user means: "E:", "E:\\",
// "\\?\E:\" and "E:\"" all name the root of drive E:, "E:\". A quoted root that ends in a
// backslash ("E:\" in quotes) reaches the program as E:" (the C runtime reads \" as a quote
// sign); no Windows path holds a quote sign, so a final one stands for the backslash. Runs of
// separators become one, past the two that begin a network path. Other text stays as it is.
std::string WindowsRootText(std::string_view argument);

// A device root argument as this system reads it: WindowsRootText on Windows, the text itself
// elsewhere.
std::string RootText(std::string_view argument);

}  // namespace app
