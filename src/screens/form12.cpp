#include "screens/form12.h"

#include "screens/line_positions.h"
#include "screens/recording_mode.h"

namespace screens {
namespace {

using K = ControlKind;

WindowLayout Window() {
  return {
      "Form12",
      kAppTitle,
      4830,
      6060,
      {
          {"Command1", K::kButton, "", "Start", 1080, 4800, 2535, 855, 0, kBoldFont},
          {"Frame1", K::kFrame, "", "Mode (Record Quality)", 360, 960, 4095, 2415, 1, kFrameFont},
          {"Option2", K::kOptionButton, "Frame1", "XHQ", 480, 720, 1095, 375, 2, kDefaultFont},
          {"Option3", K::kOptionButton, "Frame1", "HQ", 480, 1080, 975, 375, 3, kDefaultFont},
          {"Text1", K::kTextBox, "", "", 1800, 240, 2655, 495, 4, kBoldFont},
          {"Frame3", K::kFrame, "", "Date & Time", 360, 3480, 4095, 975, 5, kFrameFont},
          {"Label1", K::kLabel, "Frame3", "", 240, 360, 3615, 495, 6, kClockFont},
          {"Option1", K::kOptionButton, "Frame1", "PCM", 480, 360, 1095, 375, 7, kDefaultFont},
          {"Label3", K::kLabel, "", "Version.", 480, 360, 1455, 375, 8, kBoldFont, "Text1"},
          {"Option4", K::kOptionButton, "Frame1", "SP", 480, 1440, 975, 375, 9, kDefaultFont},
          {"Option5", K::kOptionButton, "Frame1", "LP", 480, 1800, 975, 375, 10, kDefaultFont},
      },
  };
}

}  // namespace

const ScreenDescription& Form12() {
  static const ScreenDescription screen = WithSettingsPlaced({
      .window = Window(),
      .groups = {RecordingModeGroup()},
      .load_steps = {RecordingModeAvailability(Withholding::kHideButtons),
                     SettingStep{kRecordingModePosition, kRecordingModeFrame}},
  });
  return screen;
}

}  // namespace screens
