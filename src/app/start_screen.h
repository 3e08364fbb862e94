#pragma once

#include "app/program.h"

namespace app {

// What the program does when it starts: it makes "\VOICE" normal again, looks up the settings
// file and shows the screen for the recorder's model, or the start screen.
void StartUp(Program& program);

// StartUp without making "\VOICE" normal: the first screen, opened without changing the device.
void ShowFirstScreen(Program& program);

// Makes Start of `window` write the date-only clock line and end the program: the Start of the
// start screen and of the basic screen.
void OnStartWriteDateOnly(Program& program, Window& window);

// The start screen: the live clock (running when `clock_running`) and Start, which writes the
// date-only clock line and ends the program.
void ShowStartScreen(Program& program, bool clock_running);

}  // namespace app
