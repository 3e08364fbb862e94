#include "app/dispatch.h"

#include "app/settings_screen.h"
#include "screens/form12.h"

namespace app {

ScreenOpener ScreenFor(int model_code) {
  switch (model_code) {
    case 4:
      return [](Program& program) { ShowSettingsScreen(program, screens::Form12()); };
    default:
      return {};
  }
}

}  // namespace app
