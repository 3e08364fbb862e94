#include "ui/win32/creation_order.h"

#include <algorithm>

namespace ui::win32 {
namespace {

using screens::ControlKind;

// By tab index, except that the option buttons of the container stay together at the place of
// the first.
std::vector<const screens::Control*> InTabOrder(const std::vector<screens::Control>& controls,
                                                std::string_view container) {
  std::vector<const screens::Control*> ordered;
  int first_option = -1;
  for (const screens::Control& control : controls) {
    if (control.container != container) continue;
    ordered.push_back(&control);
    if (control.kind == ControlKind::kOptionButton &&
        (first_option < 0 || control.tab_index < first_option)) {
      first_option = control.tab_index;
    }
  }
  const auto key = [first_option](const screens::Control* control) {
    return control->kind == ControlKind::kOptionButton ? first_option : control->tab_index;
  };
  std::stable_sort(ordered.begin(), ordered.end(),
                   [&](const screens::Control* a, const screens::Control* b) {
                     if (key(a) != key(b)) return key(a) < key(b);
                     return a->tab_index < b->tab_index;
                   });
  return ordered;
}

}  // namespace

std::vector<const screens::Control*> InCreationOrder(const std::vector<screens::Control>& controls,
                                                     std::string_view container) {
  const std::vector<const screens::Control*> tab_order = InTabOrder(controls, container);
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
