#pragma once

#include "app/program.h"

namespace app {

// What the program does when it starts: it makes "\VOICE" normal again, looks up the settings
// file and shows what the screen table gives for it.
void StartUp(Program& program);

// StartUp without making "\VOICE" normal: the first screen, opened without changing the device.
void ShowFirstScreen(Program& program);

}  // namespace app
