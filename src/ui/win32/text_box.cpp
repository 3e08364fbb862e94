#include "ui/win32/control_kinds.h"

#include <commctrl.h>

namespace ui::win32 {

HWND TextBox::Make(HWND parent, int id, const RECT& place, HFONT, bool) {
  return CreateChild(WC_EDITW, L"", ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP,
                     WS_EX_CLIENTEDGE, parent, id, place);
}

void TextBox::SetFont(HFONT font) {
  NativeControl::SetFont(font);
  // A new font gives an edit box the font's own inner margins, which the version box is too
  // narrow for: its last character would be cut off.
  ::SendMessageW(handle, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(0, 0));
}

// Given the focus, the box gets its text selected with the caret at its end, and so shows only
// the end of a text too long for it. The selection stays, with the caret moved to the start once
// the focus change is done, so that the text is read from its first character.
void TextBox::Command(int code) {
  if (code != EN_SETFOCUS) return;
  ::PostMessageW(handle, EM_SETSEL, static_cast<WPARAM>(::GetWindowTextLengthW(handle)), 0);
  ::PostMessageW(handle, EM_SCROLLCARET, 0, 0);
}

}  // namespace ui::win32
