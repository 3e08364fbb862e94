#pragma once

#include <string_view>

#include "screens/feature_flag.h"

namespace screens {

// Positions of the voice-operated recording (VOS) flags and settings in the settings line.
inline constexpr int kVosLevelFlagPosition = 4;
inline constexpr int kVosSwitchFlagPosition = 10;
inline constexpr int kVosLevelPosition = 19;
inline constexpr int kVosSwitchPosition = 25;

}  // namespace screens
