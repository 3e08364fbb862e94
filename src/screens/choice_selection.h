#pragma once

#include <cstddef>
#include <string_view>

#include "screens/screen.h"

namespace screens {

// Selects in `state` the choice at `choice` of the setting `control` (an option group's frame or
// a list): the group's button at that place, the only one selected, or the list's item shown at
// that place.
void SelectChoice(const ScreenDescription& screen, std::string_view control, std::size_t choice,
                  ScreenState& state);

}  // namespace screens
