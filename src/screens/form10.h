#pragma once

#include "screens/screen.h"

namespace screens {

// The model 2 screen: recording mode and VOS level, the level frame captioned "SVOS Level".
const ScreenDescription& Form10();

}  // namespace screens
