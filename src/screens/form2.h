#pragma once

#include "screens/layout.h"

namespace screens {

// The basic screen of models 0 and 1: the version text, the live clock, Start and Setting, which
// opens the model's Option Setting screen.
const WindowLayout& Form2();

}  // namespace screens
