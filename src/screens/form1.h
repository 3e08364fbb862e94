#pragma once

#include "screens/layout.h"

namespace screens {

// The start screen, shown without a settings file: the live clock and Start.
const WindowLayout& Form1();

}  // namespace screens
