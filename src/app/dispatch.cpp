#include "app/dispatch.h"

#include "app/basic_screen.h"
#include "app/settings_screen.h"
#include "screens/form11.h"
#include "screens/form12.h"
#include "screens/form15.h"
#include "screens/level_screen.h"

namespace app {

ScreenOpener ScreenFor(int model_code) {
  switch (model_code) {
    case 0:
    case 1:
      return ShowBasicScreen;
    case 2:
      return [](Program& program) { ShowSettingsScreen(program, screens::Form10()); };
    case 3:
      return [](Program& program) { ShowSettingsScreen(program, screens::Form11()); };
    case 4:
      return [](Program& program) { ShowSettingsScreen(program, screens::Form12()); };
    case 5:
      return [](Program& program) { ShowSettingsScreen(program, screens::Form13()); };
    case 6:
      return [](Program& program) { ShowSettingsScreen(program, screens::Form15()); };
    default:
      return {};
  }
}

}  // namespace app
