#pragma once

#include <string_view>

namespace screens {

// The controls that the program's flow addresses by name. Every screen has the Start button and
// the live clock's label; the Setting button and the version label are the basic screen's.
inline constexpr std::string_view kStartButton = "Command1";
inline constexpr std::string_view kClockLabel = "Label1";
inline constexpr std::string_view kSettingButton = "Command2";
inline constexpr std::string_view kVersionLabel = "Label2";

}  // namespace screens
