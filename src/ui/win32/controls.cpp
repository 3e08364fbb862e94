#include "ui/win32/controls.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/system_colours.h"
#include "ui/win32/text.h"

namespace ui::win32 {
namespace {

using screens::ControlKind;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr wchar_t kFrameClass[] = L"DtcFrame";

// A frame's container passes its controls' notifications on to the window, which handles them
// for every control alike.
LRESULT CALLBACK FrameProcedure(HWND frame, UINT message, WPARAM w_param, LPARAM l_param) {
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

void RegisterFrameClass() {
  static const bool registered = [] {
    WNDCLASSEXW frame_class{};
    frame_class.cbSize = sizeof frame_class;
    frame_class.lpfnWndProc = FrameProcedure;
    frame_class.hInstance = ::GetModuleHandleW(nullptr);
    frame_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    frame_class.hbrBackground = WindowColourClassBackground();
    frame_class.lpszClassName = kFrameClass;
    return ::RegisterClassExW(&frame_class) != 0;
  }();
  (void)registered;
}

// A drop-down list's open list shows this many rows.
constexpr int kOpenListRows = 12;

// `place`: left, top, width, height.
HWND Create(const wchar_t* window_class, const std::wstring& text, DWORD style, DWORD ex_style,
            HWND parent, int id, const RECT& place) {
  return ::CreateWindowExW(ex_style, window_class, text.c_str(), kChild | style, place.left,
                           place.top, place.right, place.bottom, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleW(nullptr), nullptr);
}

// A drop-down list's place with its open list below: the window height of a drop-down list
// includes it. A row of the list is as tall as the font's line.
RECT WithOpenList(const RECT& place, HFONT font) {
  TEXTMETRICW metrics{};
  const HDC screen = ::GetDC(nullptr);
  const HGDIOBJ old_font = ::SelectObject(screen, font);
  ::GetTextMetricsW(screen, &metrics);
  ::SelectObject(screen, old_font);
  ::ReleaseDC(nullptr, screen);
  return {place.left, place.top, place.right, place.bottom + metrics.tmHeight * kOpenListRows};
}

void SetFont(const NativeControl& control, HFONT font) {
  ::SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // A new font gives an edit box the font's own inner margins, which the version box is too
  // narrow for: its last character would be cut off.
  if (control.kind == ControlKind::kTextBox) {
    ::SendMessageW(control.handle, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(0, 0));
  }
  if (control.group_box != nullptr) {
    ::SendMessageW(control.group_box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
}

// A drop-down list's closed height is its selection field's plus the borders, which the font
// decides until the field's height is set: the field is fitted to the closed height wanted.
void FitSelectionField(const NativeControl& list, int height) {
  RECT closed{};
  ::GetWindowRect(list.handle, &closed);
  const int field = static_cast<int>(::SendMessageW(list.handle, CB_GETITEMHEIGHT, -1, 0));
  const int borders = (closed.bottom - closed.top) - field;
  if (height - borders > 0) ::SendMessageW(list.handle, CB_SETITEMHEIGHT, -1, height - borders);
}

// Draws a drop-down list's unlisted text in its selection field while none of its items is
// selected: the list itself shows an empty field then, and a cue banner is greyed and not
// supported everywhere.
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

LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM w_param, LPARAM l_param, UINT_PTR,
                               DWORD_PTR reference) {
  const LRESULT result = ::DefSubclassProc(list, message, w_param, l_param);
  const auto& control = *reinterpret_cast<const NativeControl*>(reference);
  if (control.unlisted_text.empty() || ::SendMessageW(list, CB_GETCURSEL, 0, 0) >= 0) {
    return result;
  }
  switch (message) {
    case WM_PAINT:
      PaintUnlistedText(list, control.unlisted_text);
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

}  // namespace

HWND CreateNativeControl(const screens::Control& control, HWND parent, int id, bool first_in_group,
                         const RECT& place, HFONT font, NativeControl& native) {
  native.name = std::string(control.name);
  native.kind = control.kind;
  native.container = std::string(control.container);
  native.twips = {control.left, control.top, control.left + control.width,
                  control.top + control.height};
  native.font = control.font;
  native.tab_index = control.tab_index;
  const std::wstring caption = WideFromUtf8(control.caption);
  switch (control.kind) {
    case ControlKind::kLabel:
      native.handle =
          Create(WC_STATICW, caption, SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, parent, id, place);
      break;
    case ControlKind::kTextBox:
      native.handle = Create(WC_EDITW, L"", ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP,
                             WS_EX_CLIENTEDGE, parent, id, place);
      break;
    case ControlKind::kFrame:
      RegisterFrameClass();
      // The container carries the caption too, so that the frame's text can be read from it.
      native.handle = Create(kFrameClass, caption, WS_GROUP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                             parent, id, place);
      native.group_box = Create(WC_BUTTONW, ShownLiterally(caption), BS_GROUPBOX | WS_GROUP, 0,
                                native.handle, id, {0, 0, place.right, place.bottom});
      break;
    case ControlKind::kOptionButton:
      native.handle = Create(WC_BUTTONW, ShownLiterally(caption),
                             BS_AUTORADIOBUTTON | (first_in_group ? WS_GROUP | WS_TABSTOP : 0), 0,
                             parent, id, place);
      break;
    case ControlKind::kDropDownList:
      native.handle =
          Create(WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 0,
                 parent, id, WithOpenList(place, font));
      break;
    case ControlKind::kButton:
      native.handle = Create(WC_BUTTONW, ShownLiterally(caption),
                             BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, parent, id, place);
      break;
  }
  if (native.handle == nullptr) return nullptr;
  SetFont(native, font);
  if (native.kind == ControlKind::kDropDownList) FitSelectionField(native, place.bottom);
  native.placed = place;
  native.placed_font = font;
  return native.handle;
}

void FitLabelToText(const NativeControl& control, HFONT font, RECT& place) {
  if (control.kind != ControlKind::kLabel || control.handle == nullptr) return;
  wchar_t text[256];
  const int length = ::GetWindowTextW(control.handle, text, 256);
  const HDC context = ::GetDC(control.handle);
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
      const bool centred =
          (::GetWindowLongPtrW(control.handle, GWL_STYLE) & SS_TYPEMASK) == SS_CENTER;
      if (centred) place.left -= (extent.cx - width) / 2;
      width = extent.cx;
    }
    height = std::max<LONG>(height, line);
  }
  ::SelectObject(context, old_font);
  ::ReleaseDC(control.handle, context);
}

void PlaceNativeControl(const NativeControl& control, int left, int top, int width, int height,
                        HFONT font) {
  SetFont(control, font);
  if (control.group_box != nullptr) ::MoveWindow(control.group_box, 0, 0, width, height, TRUE);
  if (control.kind != screens::ControlKind::kDropDownList) {
    ::MoveWindow(control.handle, left, top, width, height, TRUE);
    return;
  }
  const RECT open = WithOpenList({left, top, width, height}, font);
  ::MoveWindow(control.handle, open.left, open.top, open.right, open.bottom, TRUE);
  FitSelectionField(control, height);
}

void ApplyControlState(NativeControl& control, const screens::ControlState& state) {
  const HWND handle = control.handle;
  switch (control.kind) {
    case ControlKind::kDropDownList: {
      ::SendMessageW(handle, CB_RESETCONTENT, 0, 0);
      for (const std::string& item : state.items) {
        const std::wstring text = WideFromDeviceText(item);
        ::SendMessageW(handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
      }
      control.unlisted_text = WideFromDeviceText(state.unlisted_text);
      ::SetWindowSubclass(handle, ListProcedure, 1, reinterpret_cast<DWORD_PTR>(&control));
      ::SendMessageW(handle, CB_SETCURSEL, state.current.value_or(-1), 0);
      break;
    }
    case ControlKind::kOptionButton:
      ::SendMessageW(handle, BM_SETCHECK, state.selected ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlKind::kLabel: {
      if (state.caption) ::SetWindowTextW(handle, WideFromDeviceText(*state.caption).c_str());
      if (state.centred) {
        const LONG_PTR style = ::GetWindowLongPtrW(handle, GWL_STYLE) & ~LONG_PTR{SS_TYPEMASK};
        ::SetWindowLongPtrW(handle, GWL_STYLE, style | SS_CENTER | SS_CENTERIMAGE);
        ::InvalidateRect(handle, nullptr, TRUE);
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace ui::win32
