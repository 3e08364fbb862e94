#pragma once

#include "screens/screen.h"

namespace screens {

// The Option Setting screen for model code 0: recording mode, VOS switch, VOS level, MIC sense
// and low cut.
const ScreenDescription& Form3();

}  // namespace screens
