#pragma once

#include <string_view>
#include <vector>

#include "screens/layout.h"

namespace screens {

// Whether a control of `kind` takes the focus: labels and frames do not.
bool TakesFocus(ControlKind kind);

// Every control of one container (the window: "", or a frame's name) in the order Tab reaches
// it: by tab index, except that the container's option buttons stay together at the place of
// the first, so that they are reached as one exclusive group.
std::vector<const Control*> InTabOrder(const std::vector<Control>& controls,
                                       std::string_view container);

// The controls of `layout` that take the focus, in the order Tab reaches them: the window's own
// in their tab order, and at each frame's place the controls it holds in theirs.
std::vector<const Control*> TabOrder(const WindowLayout& layout);

}  // namespace screens
