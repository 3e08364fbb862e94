#pragma once

#include <array>
#include <string_view>

#include "screens/screen.h"

namespace screens {

// The recording modes in code order: PCM "0", XHQ "1", HQ "2", SP "3", LP "4".
inline constexpr int kRecordingModeCount = 5;
// The frame whose option buttons are the recording modes on the screens that show buttons.
inline constexpr std::string_view kRecordingModeFrame = "Frame1";

// How a screen takes away a recording mode that the model lacks.
enum class Withholding {
  kHideButtons,     // codes 2 to 7 hide the buttons; 8 and 9 grey them out
  kDisableButtons,  // codes 2 to 9 grey the buttons out
  kRemoveItems,     // the list loses the items
};

// The mode availability code (kModeAvailabilityPosition) of a screen whose five recording modes are
// the buttons or items `modes` (in code order) in `frame`: "0" hides `frame`, "1" offers all five
// modes, "2" to "9" withhold the modes that the model lacks.
FlagStep ModeAvailability(std::string_view frame,
                          const std::array<std::string_view, kRecordingModeCount>& modes,
                          Withholding withholding);

// The five recording-mode option buttons PCM to LP, one exclusive group in Frame1.
OptionGroup RecordingModeGroup();
// The mode availability code of a screen whose recording modes are RecordingModeGroup's buttons.
FlagStep RecordingModeAvailability(Withholding withholding);

}  // namespace screens
