#pragma once

#include "screens/screen.h"

namespace screens {

// The Option Setting screen for model code 1: the settings of the model code 0 screen, the
// screen off timer, repeat mode, EQ preset and folder choice.
const ScreenDescription& Form4();

}  // namespace screens
