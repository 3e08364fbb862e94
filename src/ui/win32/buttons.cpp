#include "ui/win32/control_kinds.h"

#include <commctrl.h>

#include "ui/win32/text.h"

namespace ui::win32 {

HWND OptionButton::Make(HWND parent, int id, const RECT& place, HFONT, bool first_in_group) {
  return CreateChild(WC_BUTTONW, ShownLiterally(caption),
                     BS_AUTORADIOBUTTON | (first_in_group ? WS_GROUP | WS_TABSTOP : 0), 0, parent,
                     id, place);
}

void OptionButton::Apply(const screens::ControlState& state) {
  ::SendMessageW(handle, BM_SETCHECK, state.selected ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionButton::Read(screens::ControlState& state) const {
  state.selected = Selected();
}

bool OptionButton::Selected() const {
  return ::SendMessageW(handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionButton::Deselect() {
  ::SendMessageW(handle, BM_SETCHECK, BST_UNCHECKED, 0);
}

void OptionButton::Command(int code) {
  if (code != BN_CLICKED || !Selected() || !selected_) return;
  // A copy: the handler may set another.
  const std::function<void()> handler = selected_;
  handler();
}

HWND PushButton::Make(HWND parent, int id, const RECT& place, HFONT, bool) {
  return CreateChild(WC_BUTTONW, ShownLiterally(caption), BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0,
                     parent, id, place);
}

void PushButton::Command(int code) {
  if (code != BN_CLICKED || !click_) return;
  // A copy: the handler may set another, or close the window.
  const std::function<void()> handler = click_;
  handler();
}

}  // namespace ui::win32
