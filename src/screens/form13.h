#pragma once

#include "screens/screen.h"

namespace screens {

// The model 5 screen: recording mode and VOS level, the level frame captioned "VOS Level".
const ScreenDescription& Form13();

}  // namespace screens
