#pragma once

#include "app/program.h"

namespace app {

// Makes Start of `window` write the date-only clock line and end the program: the Start of the
// start screen and of the basic screen.
void OnStartWriteDateOnly(Program& program, Window& window);

// The start screen: the live clock (running when `clock_running`) and Start, which writes the
// date-only clock line and ends the program.
void ShowStartScreen(Program& program, bool clock_running);

}  // namespace app
