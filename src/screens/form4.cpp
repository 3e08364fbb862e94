#include "screens/form4.h"

#include "screens/option_setting.h"

namespace screens {
namespace {

using K = ControlKind;

WindowLayout Layout() {
  return {
      "Form4",
      "Option Setting",
      13950,
      8535,
      {
          {"Label2", K::kLabel, "", "Version.", 480, 360, 2055, 375, 52, kBoldFont, "Text1"},
          {"Text1", K::kTextBox, "", "", 1800, 240, 2775, 495, 0, kBoldFont},
          {"Label3", K::kLabel, "", kOptionsSettingHeading, 8880, 360, 4695, 495, 1, kTitleFont},
          {"Frame1", K::kFrame, "", "Mode (Record Quality)", 360, 1080, 4215, 2415, 8, kFrameFont},
          {"Option1", K::kOptionButton, "Frame1", "PCM", 480, 360, 2895, 375, 13, kDefaultFont},
          {"Option2", K::kOptionButton, "Frame1", "XHQ", 480, 720, 2895, 375, 12, kDefaultFont},
          {"Option3", K::kOptionButton, "Frame1", "HQ", 480, 1080, 2895, 375, 11, kDefaultFont},
          {"Option4", K::kOptionButton, "Frame1", "SP", 480, 1440, 2895, 375, 10, kDefaultFont},
          {"Option5", K::kOptionButton, "Frame1", "LP", 480, 1800, 2895, 375, 9, kDefaultFont},
          {"Frame5", K::kFrame, "", "LCD", 4920, 1080, 4215, 2415, 22, kFrameFont},
          {"Option17", K::kOptionButton, "Frame5", "On", 480, 360, 2895, 375, 23, kDefaultFont},
          {"Option18", K::kOptionButton, "Frame5", "60 s", 480, 720, 2895, 375, 24, kDefaultFont},
          {"Option19", K::kOptionButton, "Frame5", "30 s", 480, 1080, 2895, 375, 25, kDefaultFont},
          {"Option20", K::kOptionButton, "Frame5", "10 s", 480, 1440, 2895, 375, 26, kDefaultFont},
          {"Option21", K::kOptionButton, "Frame5", "3 s", 480, 1800, 2895, 375, 27, kDefaultFont},
          {"Frame4", K::kFrame, "", "Low Cut (Low Frequency Cut)", 9480, 1080, 4215, 1335, 15,
           kFrameFont},
          {"Option15", K::kOptionButton, "Frame4", "On", 480, 360, 2895, 375, 17, kDefaultFont},
          {"Option16", K::kOptionButton, "Frame4", "Off", 480, 720, 2895, 375, 16, kDefaultFont},
          {"Frame7", K::kFrame, "", "EQ", 9480, 2640, 4215, 3495, 33, kFrameFont},
          {"Option26", K::kOptionButton, "Frame7", "Flat", 480, 360, 2895, 375, 38, kDefaultFont},
          {"Option27", K::kOptionButton, "Frame7", "Rock", 480, 720, 2895, 375, 37, kDefaultFont},
          {"Option28", K::kOptionButton, "Frame7", "House", 480, 1080, 2895, 375, 36, kDefaultFont},
          {"Option29", K::kOptionButton, "Frame7", "Dance", 480, 1440, 2895, 375, 35, kDefaultFont},
          {"Option30", K::kOptionButton, "Frame7", "Jazz", 480, 1800, 2895, 375, 34, kDefaultFont},
          {"Option31", K::kOptionButton, "Frame7", "Ballad", 480, 2160, 2895, 375, 39,
           kDefaultFont},
          {"Option32", K::kOptionButton, "Frame7", "R and B", 480, 2520, 2895, 375, 40,
           kDefaultFont},
          {"Option33", K::kOptionButton, "Frame7", "Classic", 480, 2880, 2895, 375, 41,
           kDefaultFont},
          {"Frame8", K::kFrame, "", "VOS On/Off", 360, 3720, 2055, 2415, 42, kFrameFont},
          {"Option34", K::kOptionButton, "Frame8", "VOS Off", 480, 360, 1215, 375, 43,
           kDefaultFont},
          {"Option35", K::kOptionButton, "Frame8", "VOS On", 480, 1080, 1335, 375, 44,
           kDefaultFont},
          {"Frame2", K::kFrame, "", "VOS Level", 2520, 3720, 2055, 2415, 2, kFrameFont},
          {"Option7", K::kOptionButton, "Frame2", "+ 2", 480, 360, 615, 375, 3, kDefaultFont},
          {"Option8", K::kOptionButton, "Frame2", "+ 1", 480, 720, 735, 375, 4, kDefaultFont},
          {"Option9", K::kOptionButton, "Frame2", "  0 (Default)", 480, 1080, 1455, 375, 5,
           kDefaultFont},
          {"Option10", K::kOptionButton, "Frame2", "- 1", 480, 1440, 975, 375, 6, kDefaultFont},
          {"Option11", K::kOptionButton, "Frame2", "- 2", 480, 1800, 1095, 375, 7, kDefaultFont},
          {"Frame6", K::kFrame, "", "Repeat", 4920, 3720, 4215, 2055, 28, kFrameFont},
          {"Option22", K::kOptionButton, "Frame6", "Off", 480, 360, 2895, 375, 32, kDefaultFont},
          {"Option23", K::kOptionButton, "Frame6", "1", 480, 720, 2895, 375, 31, kDefaultFont},
          {"Option24", K::kOptionButton, "Frame6", "Folder", 480, 1080, 2895, 375, 30,
           kDefaultFont},
          {"Option25", K::kOptionButton, "Frame6", "All", 480, 1440, 2895, 375, 29, kDefaultFont},
          {"Frame9", K::kFrame, "", "Folder", 4920, 6000, 4215, 2055, 45, kFrameFont},
          {"Option36", K::kOptionButton, "Frame9", "A Folder", 480, 360, 2895, 375, 46,
           kDefaultFont},
          {"Option37", K::kOptionButton, "Frame9", "B Folder", 480, 720, 2895, 375, 47,
           kDefaultFont},
          {"Option38", K::kOptionButton, "Frame9", "C Folder", 480, 1080, 2895, 375, 48,
           kDefaultFont},
          {"Option39", K::kOptionButton, "Frame9", "D Folder", 480, 1440, 2895, 375, 49,
           kDefaultFont},
          {"Frame3", K::kFrame, "", "MIC Level", 360, 6360, 4215, 1695, 18, kFrameFont},
          {"Option12", K::kOptionButton, "Frame3", "High", 480, 360, 2895, 375, 19, kDefaultFont},
          {"Option13", K::kOptionButton, "Frame3", "Middle", 480, 720, 2895, 375, 20, kDefaultFont},
          {"Option14", K::kOptionButton, "Frame3", "Low", 480, 1080, 2895, 375, 21, kDefaultFont},
          {"Frame10", K::kFrame, "", "Date & Time", 9480, 6240, 4215, 975, 50, kFrameFont},
          {"Label1", K::kLabel, "Frame10", "", 360, 360, 3615, 495, 51, kClockFont},
          {"Command1", K::kButton, "", "Start", 10200, 7440, 2535, 855, 14, kBoldFont},
      },
  };
}

std::vector<OptionSetting> Settings() {
  std::vector<OptionSetting> settings = CommonOptionSettings();
  for (OptionSetting& setting : ExtendedOptionSettings()) settings.push_back(std::move(setting));
  return settings;
}

}  // namespace

const ScreenDescription& Form4() {
  static const ScreenDescription screen = OptionSettingScreen(Layout(), Settings());
  return screen;
}

}  // namespace screens
