#pragma once

#include "screens/screen.h"

namespace screens {

// The model 4 screen: the recording mode alone.
const ScreenDescription& Form12();

}  // namespace screens
