#pragma once

#include <string_view>

#include "screens/screen.h"

namespace screens {

// Positions of the voice-operated recording (VOS) flags and settings in the settings line.
inline constexpr int kVosLevelFlagPosition = 4;
inline constexpr int kVosSwitchFlagPosition = 10;
inline constexpr int kVosLevelPosition = 19;
inline constexpr int kVosSwitchPosition = 25;

// A capability flag whose "0" hides `frame` (the model lacks the feature) and whose "1" leaves it
// shown; any other digit is a file error.
inline FlagStep HidesFrameWhenAbsent(int position, std::string_view frame) {
  return {position, {{0, {{Action::Kind::kHide, frame}}}, {1, {}}}};
}

}  // namespace screens
