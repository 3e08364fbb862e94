#include "ui/win32/control_kinds.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/text.h"

namespace ui::win32 {
namespace {

// The open list shows this many rows.
constexpr int kOpenListRows = 12;

// A place with the open list below: the window height of a drop-down list includes it. A row of
// the list is as tall as the font's line.
RECT WithOpenList(const RECT& place, HFONT font) {
  TEXTMETRICW metrics{};
  const HDC screen = ::GetDC(nullptr);
  const HGDIOBJ old_font = ::SelectObject(screen, font);
  ::GetTextMetricsW(screen, &metrics);
  ::SelectObject(screen, old_font);
  ::ReleaseDC(nullptr, screen);
  return {place.left, place.top, place.right, place.bottom + metrics.tmHeight * kOpenListRows};
}

// Draws the unlisted text in the selection field: the list itself shows an empty field while
// none of its items is selected, and a cue banner is greyed and not supported everywhere.
void PaintUnlistedText(HWND list, const std::wstring& text) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!::GetComboBoxInfo(list, &info)) return;
  const HDC context = ::GetDC(list);
  const HGDIOBJ old_font =
      ::SelectObject(context, reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0)));
  ::SetBkMode(context, TRANSPARENT);
  ::SetTextColor(context,
                 ::GetSysColor(::IsWindowEnabled(list) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  RECT field = info.rcItem;
  field.left += 2;
  ::DrawTextW(context, text.c_str(), static_cast<int>(text.size()), &field,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT | DT_END_ELLIPSIS);
  ::SelectObject(context, old_font);
  ::ReleaseDC(list, context);
}

}  // namespace

HWND DropDownList::Make(HWND parent, int id, const RECT& place, HFONT font, bool) {
  return CreateChild(WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 0,
                     parent, id, WithOpenList(place, font));
}

// The closed height is the selection field's plus the borders, which the font decides until the
// field's height is set: the field is fitted to the closed height wanted.
void DropDownList::FitToPlace(const RECT& place) {
  RECT closed{};
  ::GetWindowRect(handle, &closed);
  const int field = static_cast<int>(::SendMessageW(handle, CB_GETITEMHEIGHT, -1, 0));
  const int borders = (closed.bottom - closed.top) - field;
  if (place.bottom - borders > 0) {
    ::SendMessageW(handle, CB_SETITEMHEIGHT, -1, place.bottom - borders);
  }
}

void DropDownList::Move(const RECT& place, HFONT font) {
  SetFont(font);
  const RECT open = WithOpenList(place, font);
  ::MoveWindow(handle, open.left, open.top, open.right, open.bottom, TRUE);
  FitToPlace(place);
}

void DropDownList::Apply(const screens::ControlState& state) {
  ::SendMessageW(handle, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : state.items) {
    const std::wstring text = ShownStateText(item);
    ::SendMessageW(handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  unlisted_text_ = WideFromDeviceText(state.unlisted_text);
  ::SetWindowSubclass(handle, Procedure, 1, reinterpret_cast<DWORD_PTR>(this));
  ::SendMessageW(handle, CB_SETCURSEL, state.current.value_or(-1), 0);
}

void DropDownList::Read(screens::ControlState& state) const {
  const auto index = ::SendMessageW(handle, CB_GETCURSEL, 0, 0);
  state.current = index >= 0 ? std::optional<int>(static_cast<int>(index)) : std::nullopt;
}

LRESULT CALLBACK DropDownList::Procedure(HWND list, UINT message, WPARAM w_param, LPARAM l_param,
                                         UINT_PTR, DWORD_PTR reference) {
  const LRESULT result = ::DefSubclassProc(list, message, w_param, l_param);
  const auto& self = *reinterpret_cast<const DropDownList*>(reference);
  if (self.unlisted_text_.empty() || ::SendMessageW(list, CB_GETCURSEL, 0, 0) >= 0) return result;
  switch (message) {
    case WM_PAINT:
      PaintUnlistedText(list, self.unlisted_text_);
      break;
    // The list redraws its field at once, outside WM_PAINT, on these.
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN:
      ::InvalidateRect(list, nullptr, FALSE);
      break;
    default:
      break;
  }
  return result;
}

}  // namespace ui::win32
