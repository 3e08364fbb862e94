#pragma once

#include <cstddef>
#include <string_view>

#include "screens/screen.h"

namespace screens {

// The control of `layout` named `name`, or none.
const Control* FindControl(const WindowLayout& layout, std::string_view name);
// The option group of `screen` whose frame is `frame`, or none.
const OptionGroup* FindGroup(const ScreenDescription& screen, std::string_view frame);
// The drop-down list setting of `screen` named `list`, or none.
const ListSetting* FindList(const ScreenDescription& screen, std::string_view list);

// Selects in `state` the choice at `choice` of the setting `control` (an option group's frame or
// a list): the group's button at that place, the only one selected, or the list's item shown at
// that place.
void SelectChoice(const ScreenDescription& screen, std::string_view control, std::size_t choice,
                  ScreenState& state);

}  // namespace screens
