#pragma once

#include "screens/screen.h"

namespace screens {

// The model 2 and model 5 screens: recording mode and VOS level. They differ only in the caption
// of the level frame and the width of the version label.
const ScreenDescription& Form10();
const ScreenDescription& Form13();

}  // namespace screens
