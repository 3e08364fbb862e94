#pragma once

#include "screens/screen.h"

namespace screens {

// The model 3 screen: recording mode, VOS switch and VOS level.
const ScreenDescription& Form11();

}  // namespace screens
