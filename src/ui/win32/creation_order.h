#pragma once

#include <string_view>
#include <vector>

#include "screens/layout.h"

namespace ui::win32 {

// The controls of one container (the window: "", or a frame's name) in the order they are
// created. In a dialog that order is the order of Tab, and screen readers name a list or a text
// box after the label created just before it. So the controls come in their tab order
// (screens::InTabOrder), and each caption label comes just before the control it names. Labels
// take no focus, so moving them leaves Tab's order as the tab order says.
std::vector<const screens::Control*> InCreationOrder(const std::vector<screens::Control>& controls,
                                                     std::string_view container);

}  // namespace ui::win32
