#pragma once

#include <string_view>

#include "screens/screen.h"

namespace screens {

// The voice-operated recording (VOS) option groups, the same frames and buttons on every screen
// that shows them.
inline constexpr std::string_view kVosLevelFrame = "Frame2";
inline constexpr std::string_view kVosSwitchFrame = "Frame8";

// VOS level +2, +1, 0, -1, -2.
inline OptionGroup VosLevelGroup() {
  return {kVosLevelFrame, {"Option7", "Option8", "Option9", "Option10", "Option11"}};
}

// VOS off, on.
inline OptionGroup VosSwitchGroup() {
  return {kVosSwitchFrame, {"Option34", "Option35"}};
}

}  // namespace screens
