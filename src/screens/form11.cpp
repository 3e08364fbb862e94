#include "screens/form11.h"

#include "screens/feature_flag.h"
#include "screens/line_positions.h"
#include "screens/recording_mode.h"
#include "screens/vos.h"

namespace screens {
namespace {

using K = ControlKind;

WindowLayout Window() {
  return {
      "Form11",
      kAppTitle,
      8070,
      5040,
      {
          {"Label3", K::kLabel, "", "Version.", 480, 360, 1335, 375, 19, kBoldFont, "Text1"},
          {"Text1", K::kTextBox, "", "", 1800, 240, 2895, 495, 13, kBoldFont},
          {"Frame1", K::kFrame, "", "Mode (Record Quality)", 360, 1080, 2775, 2415, 1, kFrameFont},
          {"Option1", K::kOptionButton, "Frame1", "PCM", 480, 360, 1815, 375, 2, kOptionFont},
          {"Option2", K::kOptionButton, "Frame1", "XHQ", 480, 720, 1575, 375, 3, kOptionFont},
          {"Option3", K::kOptionButton, "Frame1", "HQ", 480, 1080, 1695, 375, 4, kOptionFont},
          {"Option4", K::kOptionButton, "Frame1", "SP", 480, 1440, 1695, 375, 5, kOptionFont},
          {"Option5", K::kOptionButton, "Frame1", "LP", 480, 1800, 1575, 375, 6, kOptionFont},
          {"Frame8", K::kFrame, "", "VOS On/Off", 3360, 1080, 2055, 2415, 14, kFrameFont},
          {"Option34", K::kOptionButton, "Frame8", "VOS Off", 480, 360, 1455, 375, 15, kOptionFont},
          {"Option35", K::kOptionButton, "Frame8", "VOS On", 480, 1080, 1335, 375, 16, kOptionFont},
          {"Frame2", K::kFrame, "", "VOS Level", 5640, 1080, 2055, 2415, 7, kFrameFont},
          {"Option7", K::kOptionButton, "Frame2", "+ 2", 480, 360, 735, 375, 12, kOptionFont},
          {"Option8", K::kOptionButton, "Frame2", "+ 1", 480, 720, 735, 375, 11, kOptionFont},
          {"Option9", K::kOptionButton, "Frame2", "  0 (Default)", 480, 1080, 1455, 375, 10,
           kOptionFont},
          {"Option10", K::kOptionButton, "Frame2", "- 1", 480, 1440, 735, 375, 9, kOptionFont},
          {"Option11", K::kOptionButton, "Frame2", "- 2", 480, 1800, 735, 375, 8, kOptionFont},
          {"Frame5", K::kFrame, "", "Date & Time", 360, 3720, 4215, 975, 17, kFrameFont},
          {"Label1", K::kLabel, "Frame5", "", 360, 360, 3615, 495, 18, kClockFont},
          {"Command1", K::kButton, "", "Start", 5160, 3840, 2535, 855, 0, kBoldFont},
      },
  };
}

}  // namespace

const ScreenDescription& Form11() {
  static const ScreenDescription screen = WithSettingsPlaced({
      .window = Window(),
      .groups = {RecordingModeGroup(), VosSwitchGroup(), VosLevelGroup()},
      // The flags hide their frames before the settings select, so a hidden frame still holds the
      // selection the line gives.
      .load_steps = {RecordingModeAvailability(Withholding::kHideButtons),
                     FeatureFlag(kVosSwitchFlagPosition, {kVosSwitchFrame}),
                     FeatureFlag(kVosLevelFlagPosition, {kVosLevelFrame}),
                     SettingStep{kRecordingModePosition, kRecordingModeFrame},
                     SettingStep{kVosSwitchPosition, kVosSwitchFrame},
                     SettingStep{kVosLevelPosition, kVosLevelFrame}},
  });
  return screen;
}

}  // namespace screens
