#include "screens/form10.h"

#include "screens/level_screen.h"

namespace screens {

const ScreenDescription& Form10() {
  static const ScreenDescription screen = LevelScreen("Form10", "SVOS Level", 1215);
  return screen;
}

}  // namespace screens
