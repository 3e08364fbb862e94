#include "screens/waiting_window.h"

namespace screens {

const WindowLayout& WaitingWindow() {
  using K = ControlKind;
  static const WindowLayout layout = {
      "WaitForRecorder",
      kWaitTitle,
      5400,
      2700,
      {
          {kWaitPromptLabel, K::kLabel, "", kWaitPrompt, 180, 180, 5040, 300, 0, kDefaultFont},
          {kWaitDrivesLabel, K::kLabel, "", kWaitNoDrive, 180, 600, 5040, 1260, 1, kDefaultFont},
          {kChooseFolderButton, K::kButton, "", kChooseFolderCaption, 180, 2025, 1980, 450, 2,
           kDefaultFont},
          {kWaitCancelButton, K::kButton, "", kCancelCaption, 3600, 2025, 1620, 450, 3,
           kDefaultFont},
      },
  };
  return layout;
}

}  // namespace screens
