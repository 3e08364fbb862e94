#pragma once

#include <string_view>

#include "screens/screen.h"

namespace screens {

// The recording mode and VOS level screen of models 2 and 5 (Form10 and Form13), window `name`.
// The two differ only in the caption of the level frame and the width of the version label.
ScreenDescription LevelScreen(std::string_view name, std::string_view level_caption,
                              int version_label_width);

}  // namespace screens
