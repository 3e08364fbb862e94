#pragma once

#include "app/program.h"
#include "screens/screen.h"

namespace app {

// Loads a settings screen from the settings line read afresh and shows it; its Start writes the
// chosen settings to the device and ends the program. Where the line that Start reads afresh has
// another model code than the one loaded (the recorder was swapped meanwhile), Start writes
// nothing and fails (status 2).
void ShowSettingsScreen(Program& program, const screens::ScreenDescription& screen);

}  // namespace app
