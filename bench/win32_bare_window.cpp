// The bare Win32 program that scripts/bench times the Windows program's start against: one window
// with the model 6 screen's controls (the same kinds, count, geometry, fonts, texts and list
// items, the lists filled from the same settings line) made straight with CreateWindowExW, shown
// and painted. It reads no file and runs no flow; it ends when its window is closed.

#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <map>
#include <string>
#include <string_view>

#include "device/settings_line.h"
#include "screens/form15.h"
#include "screens/screen.h"

namespace {

constexpr wchar_t kClass[] = L"BareWindow";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kDpi = 96;
constexpr double kDefaultPoints = 9;
// The model 6 line that scripts/bench puts on the program's device: every feature.
constexpr char kLine[] = "60111111111111110221110000120000FW 6.00 MODEL-6";
constexpr wchar_t kClockText[] = L"2026:12:07:09:05:03";

int Pixels(int twips) {
  return static_cast<int>(std::lround(twips * static_cast<double>(kDpi) / 1440.0));
}

// One byte is one character, as the program shows device text.
std::wstring Wide(std::string_view bytes) {
  std::wstring text;
  for (const char byte : bytes)
    text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
  return text;
}

HFONT Font(const screens::Font& font) {
  static std::map<std::pair<double, bool>, HFONT> fonts;
  const double points = font.points > 0 ? font.points : kDefaultPoints;
  HFONT& made = fonts[{points, font.bold}];
  if (made == nullptr) {
    made = ::CreateFontW(-static_cast<int>(std::lround(points * kDpi / 72.0)), 0, 0, 0,
                         font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                         L"Arial");
  }
  return made;
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      ::SetBkColor(reinterpret_cast<HDC>(w_param), RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(window, message, w_param, l_param);
  }
}

HWND Make(const wchar_t* window_class, const std::wstring& text, DWORD style, DWORD ex_style,
          const screens::Control& control, int left, int top, int height, HWND parent) {
  const HWND made =
      ::CreateWindowExW(ex_style, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                        Pixels(left), Pixels(top), Pixels(control.width), height, parent, nullptr,
                        ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(Font(control.font)), FALSE);
  return made;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const screens::ScreenDescription& screen = screens::Form15();
  const screens::ScreenState state = screens::Load(screen, device::SettingsLine(kLine));

  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  window_class.lpszClassName = kClass;
  ::RegisterClassExW(&window_class);

  const screens::WindowLayout& layout = screen.window;
  RECT outer{0, 0, Pixels(layout.client_width), Pixels(layout.client_height)};
  ::AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
  const HWND window = ::CreateWindowExW(
      0, kClass, Wide(layout.title).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
      outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);

  for (const screens::Control& control : layout.controls) {
    int left = control.left;
    int top = control.top;
    // A control in a frame lies at the frame's place plus its own.
    for (const screens::Control& frame : layout.controls) {
      if (frame.name == control.container) {
        left += frame.left;
        top += frame.top;
      }
    }
    const int height = Pixels(control.height);
    const std::wstring caption = Wide(control.caption);
    switch (control.kind) {
      case screens::ControlKind::kLabel:
        Make(WC_STATICW, control.name == "Label1" ? kClockText : caption, SS_LEFT | SS_NOPREFIX, 0,
             control, left, top, height, window);
        break;
      case screens::ControlKind::kTextBox:
        Make(WC_EDITW, Wide(state.version_text), ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP,
             WS_EX_CLIENTEDGE, control, left, top, height, window);
        break;
      case screens::ControlKind::kFrame:
        Make(WC_BUTTONW, caption, BS_GROUPBOX, 0, control, left, top, height, window);
        break;
      case screens::ControlKind::kOptionButton:
        Make(WC_BUTTONW, caption, BS_AUTORADIOBUTTON, 0, control, left, top, height, window);
        break;
      case screens::ControlKind::kDropDownList: {
        const HWND list = Make(WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0,
                               control, left, top, height * 12, window);
        const screens::ControlState& list_state = state.at(control.name);
        for (const std::string& item : list_state.items) {
          ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
        }
        ::SendMessageW(list, CB_SETCURSEL, list_state.current.value_or(-1), 0);
        break;
      }
      case screens::ControlKind::kButton:
        Make(WC_BUTTONW, caption, BS_PUSHBUTTON | WS_TABSTOP, 0, control, left, top, height,
             window);
        break;
    }
  }
  ::ShowWindow(window, SW_SHOW);
  ::UpdateWindow(window);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}
