#pragma once

#include "app/program.h"
#include "screens/screen.h"

namespace app {

// Loads a settings screen from the settings line read afresh and shows it; its Start writes the
// chosen settings to the device and ends the program.
void ShowSettingsScreen(Program& program, const screens::ScreenDescription& screen);

}  // namespace app
