#include "screens/form13.h"

#include "screens/level_screen.h"

namespace screens {

const ScreenDescription& Form13() {
  static const ScreenDescription screen = LevelScreen("Form13", "VOS Level", 1335);
  return screen;
}

}  // namespace screens
