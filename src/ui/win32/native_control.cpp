#include "ui/win32/native_control.h"

#include "screens/screen_texts.h"
#include "ui/win32/control_kinds.h"
#include "ui/win32/text.h"

namespace ui::win32 {

NativeControl::NativeControl(const screens::Control& control, std::string_view window)
    : name(control.name),
      kind(control.kind),
      container(control.container),
      twips{control.left, control.top, control.left + control.width, control.top + control.height},
      layout_font(control.font),
      window_(window),
      caption(
          WideFromUtf8(screens::TranslatedScreenText({window, control.name, control.caption}))) {}

std::wstring NativeControl::ShownStateText(const std::string& text) const {
  const auto translated = screens::TranslatedStateText({window_, name, text});
  return translated ? WideFromUtf8(*translated) : WideFromDeviceText(text);
}

HWND NativeControl::Create(HWND parent, int id, const Scaling& scaling, HFONT font,
                           bool first_in_group) {
  const RECT place = scaling.Place(twips, twips.top);
  handle = Make(parent, id, place, font, first_in_group);
  if (handle == nullptr) return nullptr;
  SetFont(font);
  FitToPlace(place);
  placed = place;
  placed_font = font;
  return handle;
}

void NativeControl::Place(const RECT& place, HFONT font) {
  Move(place, font);
  placed = place;
  placed_font = font;
}

void NativeControl::SetFont(HFONT font) {
  ::SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void NativeControl::Move(const RECT& place, HFONT font) {
  SetFont(font);
  ::MoveWindow(handle, place.left, place.top, place.right, place.bottom, TRUE);
}

std::unique_ptr<NativeControl> MakeNativeControl(const screens::Control& control,
                                                 std::string_view window) {
  switch (control.kind) {
    case screens::ControlKind::kLabel:
      return std::make_unique<Label>(control, window);
    case screens::ControlKind::kTextBox:
      return std::make_unique<TextBox>(control, window);
    case screens::ControlKind::kFrame:
      return std::make_unique<Frame>(control, window);
    case screens::ControlKind::kOptionButton:
      return std::make_unique<OptionButton>(control, window);
    case screens::ControlKind::kDropDownList:
      return std::make_unique<DropDownList>(control, window);
    case screens::ControlKind::kButton:
      return std::make_unique<PushButton>(control, window);
  }
  return nullptr;
}

HWND CreateChild(const wchar_t* window_class, const std::wstring& text, DWORD style, DWORD ex_style,
                 HWND parent, int id, const RECT& place) {
  return ::CreateWindowExW(ex_style, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                           place.left, place.top, place.right, place.bottom, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleW(nullptr), nullptr);
}

}  // namespace ui::win32
