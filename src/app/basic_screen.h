#pragma once

#include "app/program.h"

namespace app {

// The basic screen of model codes 0 and 1: the version text, the live clock, Start, which writes
// the date-only clock line and ends the program, and Setting, which replaces it by the model's
// Option Setting screen.
void ShowBasicScreen(Program& program);

}  // namespace app
