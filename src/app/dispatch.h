#pragma once

#include <functional>

#include "app/program.h"

namespace app {

// Opens a model's screen in place of the start screen.
using ScreenOpener = std::function<void(Program&)>;

// The screen for a model code, or none for a code that has no screen.
ScreenOpener ScreenFor(int model_code);

}  // namespace app
