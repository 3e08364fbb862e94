#include "ui/win32/volume_chooser.h"

#include <commctrl.h>

#include "language/language.h"
#include "screens/program_text.h"
#include "ui/twips.h"
#include "ui/win32/dpi.h"
#include "ui/win32/front_end.h"
#include "ui/win32/native_control.h"
#include "ui/win32/system_colours.h"
#include "ui/win32/text.h"
#include "ui/win32/window_class.h"

namespace ui::win32 {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr int kListId = 100;

struct Chooser {
  HWND list = nullptr;
  bool done = false;
  std::optional<std::size_t> chosen;
};

LRESULT CALLBACK ChooserProcedure(HWND dialog, UINT message, WPARAM w_param, LPARAM l_param) {
  auto* chooser = reinterpret_cast<Chooser*>(::GetWindowLongPtrW(dialog, GWLP_USERDATA));
  if (chooser == nullptr) return ::DefDlgProcW(dialog, message, w_param, l_param);
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(w_param);
      const bool double_click = id == kListId && HIWORD(w_param) == LBN_DBLCLK;
      if (id == IDOK || double_click) {
        const auto row = ::SendMessageW(chooser->list, LB_GETCURSEL, 0, 0);
        if (row >= 0) chooser->chosen = static_cast<std::size_t>(row);
        chooser->done = true;
      } else if (id == IDCANCEL) {
        chooser->done = true;
      }
      return 0;
    }
    case WM_CLOSE:
      chooser->done = true;
      return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
      FollowSystemColours(dialog, message);
      return ::DefDlgProcW(dialog, message, w_param, l_param);
    default:
      return ::DefDlgProcW(dialog, message, w_param, l_param);
  }
}

// `edges`: left, top, right, bottom.
HWND Child(HWND parent, const wchar_t* window_class, const std::wstring& text, DWORD style, int id,
           RECT edges, HFONT font, DWORD ex_style = 0) {
  const HWND child =
      CreateChild(window_class, text, style, ex_style, parent, id,
                  {edges.left, edges.top, edges.right - edges.left, edges.bottom - edges.top});
  ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

}  // namespace

std::wstring VolumeText(const device::Volume& volume) {
  std::wstring text = volume.mount_point.wstring();
  if (!volume.label.empty()) text += L" (" + WideFromUtf8(volume.label) + L")";
  return text;
}

std::optional<std::size_t> ChooseVolumeModal(HWND owner,
                                             const std::vector<device::Volume>& volumes) {
  const wchar_t* chooser_class =
      RegisterWindowClass({.name = L"DtcVolumeChooser",
                           .procedure = ChooserProcedure,
                           .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                           .window_extra = DLGWINDOWEXTRA});
  if (chooser_class == nullptr) return std::nullopt;
  Chooser chooser;
  const std::wstring title = WideFromUtf8(screens::kProgramName);
  const HWND dialog = ::CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, chooser_class,
                                        title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                                        owner, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (dialog == nullptr) return std::nullopt;
  const UINT dpi = WindowDpi(dialog);
  const auto px = [dpi](int pixels_at_96) { return ScalePixels(pixels_at_96, dpi); };
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  metrics.lfMessageFont.lfHeight = -px(12);
  const HFONT font = ::CreateFontIndirectW(&metrics.lfMessageFont);

  const std::wstring prompt = WideFromUtf8(language::Translate(screens::kChooseVolumePrompt));
  Child(dialog, WC_STATICW, prompt, SS_LEFT, -1, {px(12), px(12), px(348), px(32)}, font);
  chooser.list = Child(dialog, WC_LISTBOXW, L"", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                       kListId, {px(12), px(36), px(348), px(156)}, font, WS_EX_CLIENTEDGE);
  Child(dialog, WC_BUTTONW, WideFromUtf8(language::Translate(screens::kOkCaption)),
        BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, IDOK, {px(180), px(168), px(260), px(194)}, font);
  Child(dialog, WC_BUTTONW, WideFromUtf8(language::Translate(screens::kCancelCaption)),
        BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, IDCANCEL, {px(268), px(168), px(348), px(194)},
        font);
  for (const device::Volume& volume : volumes) {
    const std::wstring text = VolumeText(volume);
    ::SendMessageW(chooser.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  ::SendMessageW(chooser.list, LB_SETCURSEL, 0, 0);
  ::SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&chooser));

  const SIZE outer = OuterSize(px(360), px(206), kStyle, WS_EX_DLGMODALFRAME, dpi);
  ::SetWindowPos(dialog, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER);
  if (owner != nullptr) ::EnableWindow(owner, FALSE);
  ::ShowWindow(dialog, SW_SHOW);
  ::SetForegroundWindow(dialog);
  ::SetFocus(chooser.list);

  MSG message;
  while (!chooser.done) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      // The program is quitting: leave the request for the outer loop.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got < 0) break;
    if (::IsDialogMessageW(dialog, &message)) continue;
    DispatchOne(message);
  }
  // The owner is enabled before the dialog goes, so that it gets the activation back.
  if (owner != nullptr) ::EnableWindow(owner, TRUE);
  ::SetWindowLongPtrW(dialog, GWLP_USERDATA, 0);
  ::DestroyWindow(dialog);
  ::DeleteObject(font);
  return chooser.chosen;
}

}  // namespace ui::win32
