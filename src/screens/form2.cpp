#include "screens/form2.h"

#include "screens/control_names.h"

namespace screens {

const WindowLayout& Form2() {
  using K = ControlKind;
  constexpr Font kVersionFont{14.25, true};
  static const WindowLayout layout = {
      "Form2",
      kAppTitle,
      4680,
      3495,
      {
          {kStartButton, K::kButton, "", "Start", 960, 2280, 2535, 855, 0, kBoldFont},
          {kClockLabel, K::kLabel, "", "", 480, 1320, 3615, 495, 1, kClockFont},
          {kSettingButton, K::kButton, "", "Setting", 3600, 240, 855, 615, 2, kDefaultFont},
          {kVersionLabel, K::kLabel, "", "", 360, 360, 2895, 495, 3, kVersionFont},
      },
  };
  return layout;
}

}  // namespace screens
