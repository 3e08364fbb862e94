#include "ui/win32/control_kinds.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/text.h"

namespace ui::win32 {

HWND Label::Make(HWND parent, int id, const RECT& place, HFONT, bool) {
  return CreateChild(WC_STATICW, caption, SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, parent, id, place);
}

void Label::FitToText(HFONT font, RECT& place) const {
  if (handle == nullptr) return;
  wchar_t text[256];
  const int length = ::GetWindowTextW(handle, text, 256);
  const HDC context = ::GetDC(handle);
  const HGDIOBJ old_font = ::SelectObject(context, font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(context, &metrics);
  const int line = metrics.tmHeight;
  LONG& width = place.right;
  LONG& height = place.bottom;
  // A label made for several lines (the list of drives) keeps its box: it breaks its text.
  if (height < 2 * line) {
    SIZE extent{};
    ::GetTextExtentPoint32W(context, text, length, &extent);
    if (extent.cx > width) {
      const bool centred = (::GetWindowLongPtrW(handle, GWL_STYLE) & SS_TYPEMASK) == SS_CENTER;
      if (centred) place.left -= (extent.cx - width) / 2;
      width = extent.cx;
    }
    height = std::max<LONG>(height, line);
  }
  ::SelectObject(context, old_font);
  ::ReleaseDC(handle, context);
}

void Label::Apply(const screens::ControlState& state) {
  if (state.caption) ::SetWindowTextW(handle, ShownStateText(*state.caption).c_str());
  if (state.centred) {
    const LONG_PTR style = ::GetWindowLongPtrW(handle, GWL_STYLE) & ~LONG_PTR{SS_TYPEMASK};
    ::SetWindowLongPtrW(handle, GWL_STYLE, style | SS_CENTER | SS_CENTERIMAGE);
    ::InvalidateRect(handle, nullptr, TRUE);
  }
}

}  // namespace ui::win32
