#include "screens/tab_order.h"

#include <algorithm>

namespace screens {

bool TakesFocus(ControlKind kind) {
  return kind != ControlKind::kLabel && kind != ControlKind::kFrame;
}

std::vector<const Control*> InTabOrder(const std::vector<Control>& controls,
                                       std::string_view container) {
  std::vector<const Control*> ordered;
  int first_option = -1;
  for (const Control& control : controls) {
    if (control.container != container) continue;
    ordered.push_back(&control);
    if (control.kind == ControlKind::kOptionButton &&
        (first_option < 0 || control.tab_index < first_option)) {
      first_option = control.tab_index;
    }
  }
  const auto key = [first_option](const Control* control) {
    return control->kind == ControlKind::kOptionButton ? first_option : control->tab_index;
  };
  std::stable_sort(ordered.begin(), ordered.end(), [&](const Control* a, const Control* b) {
    if (key(a) != key(b)) return key(a) < key(b);
    return a->tab_index < b->tab_index;
  });
  return ordered;
}

std::vector<const Control*> TabOrder(const WindowLayout& layout) {
  std::vector<const Control*> focusable;
  for (const Control* control : InTabOrder(layout.controls, "")) {
    if (TakesFocus(control->kind)) focusable.push_back(control);
    if (control->kind != ControlKind::kFrame) continue;
    for (const Control* held : InTabOrder(layout.controls, control->name)) {
      if (TakesFocus(held->kind)) focusable.push_back(held);
    }
  }
  return focusable;
}

}  // namespace screens
