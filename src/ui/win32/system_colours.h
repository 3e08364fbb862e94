#pragma once

#include "ui/win32/windows_api.h"

// The windows draw with the system's colours of a window and its text, so that a High Contrast
// theme, or any colour scheme, shows them in its own colours; on a normal theme the window colour
// is white. The brushes are the system's own: they follow a change of colours and are never
// deleted.

namespace ui::win32 {

// A class background given as a system colour index plus one: the system looks the colour up each
// time it erases, so the class never keeps the brush of an old colour scheme.
inline HBRUSH WindowColourClassBackground() {
  return reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
}

// The answer to WM_CTLCOLORSTATIC, WM_CTLCOLORBTN and WM_CTLCOLORDLG: text in the window text
// colour on the window colour. Greyed-out controls draw their text in the system's grey
// themselves.
inline LRESULT WindowColours(HDC context) {
  ::SetTextColor(context, ::GetSysColor(COLOR_WINDOWTEXT));
  ::SetBkColor(context, ::GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
}

namespace internal {
inline BOOL CALLBACK PassColourChange(HWND child, LPARAM) {
  ::SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
  return TRUE;
}
}  // namespace internal

// For a top-level window given WM_SYSCOLORCHANGE, WM_SETTINGCHANGE or WM_THEMECHANGED: only
// top-level windows are told of new system colours, and common controls learn of them only when
// their window passes the message on; then everything is drawn again in the new colours.
inline void FollowSystemColours(HWND window, UINT message) {
  if (message == WM_SYSCOLORCHANGE) ::EnumChildWindows(window, internal::PassColourChange, 0);
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

}  // namespace ui::win32
