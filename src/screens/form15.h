#pragma once

#include "screens/screen.h"

namespace screens {

// The model 6 screen: eleven settings, each a drop-down list under its caption label.
const ScreenDescription& Form15();

}  // namespace screens
