#pragma once

#include <string_view>

#include "screens/screen.h"

namespace screens {

// The control of `layout` named `name`, or none.
const Control* FindControl(const WindowLayout& layout, std::string_view name);
// The option group of `screen` whose frame is `frame`, or none.
const OptionGroup* FindGroup(const ScreenDescription& screen, std::string_view frame);
// The drop-down list setting of `screen` named `list`, or none.
const ListSetting* FindList(const ScreenDescription& screen, std::string_view list);

}  // namespace screens
