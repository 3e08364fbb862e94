#include "screens/form3.h"

#include "screens/option_setting.h"

namespace screens {
namespace {

using K = ControlKind;

WindowLayout Layout() {
  return {
      "Form3",
      "Option Setting",
      9450,
      6750,
      {
          {"Label2", K::kLabel, "", "Version.", 480, 360, 1215, 375, 27, kBoldFont, "Text1"},
          {"Text1", K::kTextBox, "", "", 1800, 240, 2775, 495, 20, kBoldFont},
          {"Label3", K::kLabel, "", kOptionsSettingHeading, 5520, 240, 3975, 495, 21, kTitleFont},
          {"Frame1", K::kFrame, "", "Mode (Record Quality)", 360, 1080, 4215, 2415, 1, kFrameFont},
          {"Option1", K::kOptionButton, "Frame1", "PCM", 480, 360, 2895, 375, 2, kDefaultFont},
          {"Option2", K::kOptionButton, "Frame1", "XHQ", 480, 720, 2895, 375, 3, kDefaultFont},
          {"Option3", K::kOptionButton, "Frame1", "HQ", 480, 1080, 2895, 375, 4, kDefaultFont},
          {"Option4", K::kOptionButton, "Frame1", "SP", 480, 1440, 2895, 375, 5, kDefaultFont},
          {"Option5", K::kOptionButton, "Frame1", "LP", 480, 1800, 2895, 375, 6, kDefaultFont},
          {"Frame3", K::kFrame, "", "MIC Level", 4920, 1080, 4215, 1695, 13, kFrameFont},
          {"Option12", K::kOptionButton, "Frame3", "High", 480, 360, 2895, 375, 16, kDefaultFont},
          {"Option13", K::kOptionButton, "Frame3", "Middle", 480, 720, 2895, 375, 15, kDefaultFont},
          {"Option14", K::kOptionButton, "Frame3", "Low", 480, 1080, 2895, 375, 14, kDefaultFont},
          {"Frame4", K::kFrame, "", "Low Cut (Low Frequency Cut)", 4920, 3000, 4215, 1335, 17,
           kFrameFont},
          {"Option15", K::kOptionButton, "Frame4", "On", 480, 360, 2895, 375, 18, kDefaultFont},
          {"Option16", K::kOptionButton, "Frame4", "Off", 480, 720, 2895, 375, 19, kDefaultFont},
          {"Frame8", K::kFrame, "", "VOS On/Off", 360, 3720, 2055, 2415, 22, kFrameFont},
          {"Option34", K::kOptionButton, "Frame8", "VOS Off", 480, 360, 1455, 375, 23,
           kDefaultFont},
          {"Option35", K::kOptionButton, "Frame8", "VOS On", 480, 1080, 1335, 375, 24,
           kDefaultFont},
          {"Frame2", K::kFrame, "", "VOS Level", 2520, 3720, 2055, 2415, 7, kFrameFont},
          {"Option7", K::kOptionButton, "Frame2", "+ 2", 480, 360, 735, 375, 12, kDefaultFont},
          {"Option8", K::kOptionButton, "Frame2", "+ 1", 480, 720, 735, 375, 11, kDefaultFont},
          {"Option9", K::kOptionButton, "Frame2", "  0 (Default)", 480, 1080, 1455, 375, 10,
           kDefaultFont},
          {"Option10", K::kOptionButton, "Frame2", "- 1", 480, 1440, 735, 375, 9, kDefaultFont},
          {"Option11", K::kOptionButton, "Frame2", "- 2", 480, 1800, 735, 375, 8, kDefaultFont},
          {"Frame5", K::kFrame, "", "Date & Time", 4920, 4440, 4215, 975, 25, kFrameFont},
          {"Label1", K::kLabel, "Frame5", "", 360, 360, 3615, 495, 26, kClockFont},
          {"Command1", K::kButton, "", "Start", 5760, 5640, 2535, 855, 0, kBoldFont},
      },
  };
}

}  // namespace

const ScreenDescription& Form3() {
  static const ScreenDescription screen = OptionSettingScreen(Layout(), CommonOptionSettings());
  return screen;
}

}  // namespace screens
