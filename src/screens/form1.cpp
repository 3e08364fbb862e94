#include "screens/form1.h"

#include "screens/control_names.h"

namespace screens {

const WindowLayout& Form1() {
  using K = ControlKind;
  static const WindowLayout layout = {
      "Form1",
      kAppTitle,
      4680,
      2985,
      {
          {kClockLabel, K::kLabel, "", "", 480, 600, 3615, 495, 0, kClockFont},
          {kStartButton, K::kButton, "", "Start", 960, 1800, 2535, 855, 1, kBoldFont},
      },
  };
  return layout;
}

}  // namespace screens
