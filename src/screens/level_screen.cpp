#include "screens/level_screen.h"

#include <utility>

#include "screens/feature_flag.h"
#include "screens/line_positions.h"
#include "screens/recording_mode.h"
#include "screens/vos.h"

namespace screens {

// All five recording modes sit in Frame1 as one exclusive group, top to bottom PCM, XHQ, HQ, SP,
// LP. Were PCM, SP and LP buttons of the window instead, they would form a second group beside
// XHQ and HQ (two modes selected at once), and hiding Frame1 would leave them on screen.
ScreenDescription LevelScreen(std::string_view name, std::string_view level_caption,
                              int version_label_width) {
  using K = ControlKind;
  WindowLayout window = {
      name,
      kAppTitle,
      5760,
      6060,
      {
          {"Frame3", K::kFrame, "", "Date & Time", 360, 3480, 5055, 975, 14, kFrameFont},
          {"Label1", K::kLabel, "Frame3", "", 720, 360, 3615, 495, 15, kClockFont},
          {"Text1", K::kTextBox, "", "", 1800, 240, 2895, 495, 10, kBoldFont},
          {"Frame2", K::kFrame, "", level_caption, 3360, 960, 2055, 2415, 4, kFrameFont},
          {"Option7", K::kOptionButton, "Frame2", "+ 2", 480, 360, 735, 375, 9, kOptionFont},
          {"Option8", K::kOptionButton, "Frame2", "+ 1", 480, 720, 735, 375, 8, kOptionFont},
          {"Option9", K::kOptionButton, "Frame2", "  0 (Default)", 480, 1080, 1455, 375, 7,
           kOptionFont},
          {"Option10", K::kOptionButton, "Frame2", "- 1", 480, 1440, 735, 375, 6, kOptionFont},
          {"Option11", K::kOptionButton, "Frame2", "- 2", 480, 1800, 735, 375, 5, kOptionFont},
          {"Frame1", K::kFrame, "", "Mode (Record Quality)", 360, 960, 2775, 2415, 1, kFrameFont},
          {"Option1", K::kOptionButton, "Frame1", "PCM", 480, 360, 1095, 375, 11, kOptionFont},
          {"Option2", K::kOptionButton, "Frame1", "XHQ", 480, 720, 1095, 375, 2, kOptionFont},
          {"Option3", K::kOptionButton, "Frame1", "HQ", 480, 1080, 975, 375, 3, kOptionFont},
          {"Option4", K::kOptionButton, "Frame1", "SP", 480, 1440, 1095, 375, 12, kOptionFont},
          {"Option5", K::kOptionButton, "Frame1", "LP", 480, 1800, 1095, 375, 13, kOptionFont},
          {"Command1", K::kButton, "", "Start", 1680, 4800, 2535, 855, 0, kBoldFont},
          {"Label3", K::kLabel, "", "Version.", 480, 360, version_label_width, 375, 16, kBoldFont,
           "Text1"},
      },
  };
  return WithSettingsPlaced({
      .window = std::move(window),
      .groups = {RecordingModeGroup(), VosLevelGroup()},
      .load_steps = {RecordingModeAvailability(Withholding::kHideButtons),
                     FeatureFlag(kVosLevelFlagPosition, {kVosLevelFrame}),
                     SettingStep{kRecordingModePosition, kRecordingModeFrame},
                     SettingStep{kVosLevelPosition, kVosLevelFrame}},
  });
}

}  // namespace screens
