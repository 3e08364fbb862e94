#include "ui/win32/creation_order.h"

#include <algorithm>

#include "screens/tab_order.h"

namespace ui::win32 {

std::vector<const screens::Control*> InCreationOrder(const std::vector<screens::Control>& controls,
                                                     std::string_view container) {
  const std::vector<const screens::Control*> tab_order = screens::InTabOrder(controls, container);
  const auto here = [&tab_order](std::string_view name) {
    return std::any_of(tab_order.begin(), tab_order.end(),
                       [name](const screens::Control* control) { return control->name == name; });
  };
  std::vector<const screens::Control*> ordered;
  ordered.reserve(tab_order.size());
  for (const screens::Control* control : tab_order) {
    // A caption goes with the control it names, when that is in the same container.
    if (!control->buddy.empty() && here(control->buddy)) continue;
    for (const screens::Control* caption : tab_order) {
      if (caption->buddy == control->name) ordered.push_back(caption);
    }
    ordered.push_back(control);
  }
  return ordered;
}

}  // namespace ui::win32
