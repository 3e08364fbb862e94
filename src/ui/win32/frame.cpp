#include "ui/win32/control_kinds.h"

#include <commctrl.h>

#include "ui/win32/system_colours.h"
#include "ui/win32/text.h"
#include "ui/win32/window_class.h"

namespace ui::win32 {
namespace {

// The container passes its controls' notifications on to the window, which hands them to the
// control they come from.
LRESULT CALLBACK ContainerProcedure(HWND frame, UINT message, WPARAM w_param, LPARAM l_param) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return ::SendMessageW(::GetParent(frame), message, w_param, l_param);
    default:
      return ::DefWindowProcW(frame, message, w_param, l_param);
  }
}

}  // namespace

HWND Frame::Make(HWND parent, int id, const RECT& place, HFONT, bool) {
  const wchar_t* container_class =
      RegisterWindowClass({.name = L"DtcFrame",
                           .procedure = ContainerProcedure,
                           .background = WindowColourClassBackground()});
  if (container_class == nullptr) return nullptr;
  // The container carries the caption too, so that the frame's text can be read from it.
  const HWND container = CreateChild(container_class, caption, WS_GROUP | WS_CLIPCHILDREN,
                                     WS_EX_CONTROLPARENT, parent, id, place);
  if (container == nullptr) return nullptr;
  group_box_ = CreateChild(WC_BUTTONW, ShownLiterally(caption), BS_GROUPBOX | WS_GROUP, 0,
                           container, id, {0, 0, place.right, place.bottom});
  return container;
}

void Frame::PutBoxBeneathContents() {
  ::SetWindowPos(group_box_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Frame::SetFont(HFONT font) {
  NativeControl::SetFont(font);
  ::SendMessageW(group_box_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Frame::Move(const RECT& place, HFONT font) {
  SetFont(font);
  ::MoveWindow(group_box_, 0, 0, place.right, place.bottom, TRUE);
  ::MoveWindow(handle, place.left, place.top, place.right, place.bottom, TRUE);
}

}  // namespace ui::win32
