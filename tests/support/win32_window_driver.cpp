#include <gtest/gtest.h>

#include "ui/win32/windows_api.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>

#include "device/wide_text.h"
#include "support/window_driver.h"
#include "ui/win32/control_kinds.h"
#include "ui/win32/dpi.h"
#include "ui/win32/front_end.h"
#include "ui/win32/native_window.h"
#include "ui/win32/text.h"

namespace testing_support {
namespace {

using screens::ControlKind;
using ui::win32::NativeControl;
using ui::win32::NativeWindow;

std::string WindowText(HWND handle) {
  const int length = ::GetWindowTextLengthW(handle);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(handle, text.data(), length + 1)));
  return device::Utf8FromWide(text);
}

// A caption as shown: "&&" is how a button shows one "&".
std::string Shown(std::string caption) {
  for (std::size_t at = caption.find("&&"); at != std::string::npos;
       at = caption.find("&&", at + 1)) {
    caption.erase(at, 1);
  }
  return caption;
}

// A button's caption as a screen reader says it: "&" marks the mnemonic, "&&" is the sign itself.
std::string WithoutMnemonics(const std::string& caption) {
  std::string said;
  for (std::size_t at = 0; at < caption.size(); ++at) {
    if (caption[at] == '&' && ++at == caption.size()) break;
    said += caption[at];
  }
  return said;
}

// Whether a window is a static control: a label.
bool IsLabel(HWND handle) {
  wchar_t name[16]{};
  return ::GetClassNameW(handle, name, 16) > 0 && ::lstrcmpiW(name, WC_STATICW) == 0;
}

std::string ListItem(HWND list, WPARAM index) {
  const auto length = ::SendMessageW(list, CB_GETLBTEXTLEN, index, 0);
  if (length < 0) return "";
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  ::SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return device::Utf8FromWide(text);
}

UINT VirtualKey(Key key) {
  switch (key) {
    case Key::kDown:
      return VK_DOWN;
    case Key::kUp:
      return VK_UP;
    case Key::kSpace:
      return VK_SPACE;
    case Key::kEnter:
      return VK_RETURN;
    case Key::kEscape:
      return VK_ESCAPE;
    case Key::kTab:
      return VK_TAB;
  }
  return 0;
}

// Runs every message that is waiting, as the event loop would.
void Pump() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    ui::win32::DispatchOne(message);
  }
}

// A key as the keyboard delivers it: to the focused control, through the dialog manager.
void Type(UINT key) {
  const HWND target = ::GetFocus();
  if (target == nullptr) return;
  const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  ::PostMessageW(target, WM_KEYDOWN, key, scan | 1);
  ::PostMessageW(target, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
  Pump();
}

// The system colours that SetSystemColours changes.
constexpr std::array<int, 2> kSchemeElements{COLOR_WINDOW, COLOR_WINDOWTEXT};
using Scheme = std::array<COLORREF, kSchemeElements.size()>;

void SetScheme(const Scheme& scheme) {
  ::SetSysColors(static_cast<int>(kSchemeElements.size()), kSchemeElements.data(), scheme.data());
}

// A copy of a rectangle of the window's client area as it is on screen, in a bitmap of the given
// depth (32 or 24 bits), its rows top-down or bottom-up; no bits where the rectangle is empty.
class ScreenCopy {
 public:
  ScreenCopy(HWND window, RECT area, WORD bits_per_pixel, bool top_down) : window_(window) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    format_.bmiHeader.biSize = sizeof format_.bmiHeader;
    format_.bmiHeader.biWidth = width;
    format_.bmiHeader.biHeight = top_down ? -height : height;
    format_.bmiHeader.biPlanes = 1;
    format_.bmiHeader.biBitCount = bits_per_pixel;
    format_.bmiHeader.biCompression = BI_RGB;
    screen_ = ::GetDC(window);
    memory_ = ::CreateCompatibleDC(screen_);
    copy_ = ::CreateDIBSection(screen_, &format_, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = ::SelectObject(memory_, copy_);
    ::BitBlt(memory_, 0, 0, width, height, screen_, area.left, area.top, SRCCOPY);
    ::GdiFlush();
  }
  ~ScreenCopy() {
    if (screen_ == nullptr) return;
    ::SelectObject(memory_, old_);
    ::DeleteObject(copy_);
    ::DeleteDC(memory_);
    ::ReleaseDC(window_, screen_);
  }
  ScreenCopy(const ScreenCopy&) = delete;
  ScreenCopy& operator=(const ScreenCopy&) = delete;

  const void* bits() const { return bits_; }
  const BITMAPINFOHEADER& header() const { return format_.bmiHeader; }

 private:
  HWND window_;
  BITMAPINFO format_{};
  HDC screen_ = nullptr;
  HDC memory_ = nullptr;
  HBITMAP copy_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

// The colours of a rectangle of the window's client area as it is on screen, the most frequent
// first.
std::vector<Colour> ColoursOnScreen(HWND window, RECT area) {
  const ScreenCopy copy(window, area, 32, true);
  if (copy.bits() == nullptr) return {};
  const int pixel_count = copy.header().biWidth * -copy.header().biHeight;
  std::map<std::uint32_t, int> counts;
  const auto* pixels = static_cast<const std::uint32_t*>(copy.bits());
  for (int i = 0; i < pixel_count; ++i) ++counts[pixels[i] & 0xFFFFFF];

  std::vector<std::pair<int, std::uint32_t>> by_count;
  for (const auto& [pixel, count] : counts) by_count.emplace_back(-count, pixel);
  std::sort(by_count.begin(), by_count.end());
  std::vector<Colour> colours;
  for (const auto& [count, pixel] : by_count) {
    colours.push_back({static_cast<int>(pixel >> 16 & 0xFF), static_cast<int>(pixel >> 8 & 0xFF),
                       static_cast<int>(pixel & 0xFF)});
  }
  return colours;
}

// Writes a rectangle of the window's client area, as it is on screen, to a 24-bit BMP file.
bool SaveBitmap(HWND window, RECT area, const std::string& path) {
  // Bottom-up, as the file keeps its rows.
  const ScreenCopy copy(window, area, 24, false);
  if (copy.bits() == nullptr) return false;
  const DWORD row = (static_cast<DWORD>(copy.header().biWidth) * 3 + 3) & ~3u;
  const DWORD size = row * static_cast<DWORD>(copy.header().biHeight);
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof header + sizeof copy.header();
  header.bfSize = header.bfOffBits + size;
  bool written = false;
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    written = std::fwrite(&header, sizeof header, 1, file) == 1 &&
              std::fwrite(&copy.header(), sizeof copy.header(), 1, file) == 1 &&
              std::fwrite(copy.bits(), 1, size, file) == size;
    written = std::fclose(file) == 0 && written;
  }
  return written;
}

class Win32WindowDriver : public WindowDriver {
 public:
  ~Win32WindowDriver() override {
    for (const auto& window : ui::win32::LiveWindows()) window->Close();
    Pump();
    // The colours belong to the whole session: the tests that follow must find them as they were.
    if (saved_scheme_) SetScheme(*saved_scheme_);
  }

  app::FrontEnd& front_end() override { return front_end_; }

  std::string WindowName() const override {
    const auto window = ui::win32::OpenWindow();
    return window ? window->name() : "none";
  }
  int WindowsOnScreen() const override {
    int count = 0;
    for (const auto& window : ui::win32::LiveWindows()) {
      if (!window->closed() && window->handle() && ::IsWindowVisible(window->handle())) ++count;
    }
    return count;
  }
  std::string Title() const override {
    const auto window = ui::win32::OpenWindow();
    return window ? WindowText(window->handle()) : "";
  }
  PixelSize ClientSize() const override {
    const auto window = ui::win32::OpenWindow();
    RECT client{};
    if (window) ::GetClientRect(window->handle(), &client);
    return {client.right, client.bottom};
  }
  int OuterHeight() const override {
    const auto window = ui::win32::OpenWindow();
    RECT outer{};
    if (window) ::GetWindowRect(window->handle(), &outer);
    return outer.bottom - outer.top;
  }
  int Pixels(int twips) const override {
    const auto window = ui::win32::OpenWindow();
    return window ? window->Pixels(twips) : 0;
  }
  PixelRect OnScreen(std::string_view control) const override {
    const auto window = ui::win32::OpenWindow();
    if (!window) return {};
    HWND handle = window->handle();
    if (!control.empty()) {
      const NativeControl* found = Find(control);
      if (!found) return {};
      handle = found->handle;
    }
    RECT rect{};
    ::GetWindowRect(handle, &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  }
  PixelRect WorkArea() const override {
    const auto window = ui::win32::OpenWindow();
    if (!window) return {};
    const RECT rect = ui::win32::WorkArea(window->handle());
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  }
  int LineHeight(std::string_view control) const override {
    int height = 0;
    Measure(control, [&height](HDC context, const std::wstring&) {
      TEXTMETRICW metrics{};
      ::GetTextMetricsW(context, &metrics);
      height = metrics.tmHeight;
    });
    return height;
  }
  int TextWidth(std::string_view control) const override {
    int width = 0;
    Measure(control, [&width](HDC context, const std::wstring& text) {
      SIZE extent{};
      ::GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &extent);
      width = extent.cx;
    });
    return width;
  }
  int TextRoom(std::string_view control) const override {
    const NativeControl* found = Find(control);
    if (!found) return 0;
    RECT place{};
    ::GetClientRect(found->handle, &place);
    const int width = place.right - place.left;
    int average = 0;
    Measure(control, [&average](HDC context, const std::wstring&) {
      TEXTMETRICW metrics{};
      ::GetTextMetricsW(context, &metrics);
      average = metrics.tmAveCharWidth;
    });
    const UINT dpi = ui::win32::WindowDpi(found->handle);
    switch (found->kind) {
      case ControlKind::kFrame:
        // A group box's title starts about a character in and leaves as much at its end.
        return width - 2 * average;
      case ControlKind::kOptionButton:
        // The round indicator, and the gap of half a character before the text.
        return width - ui::win32::SystemMetric(SM_CXMENUCHECK, dpi) - average / 2;
      case ControlKind::kButton:
        return width - 2 * (ui::win32::SystemMetric(SM_CXEDGE, dpi) + 1);
      case ControlKind::kDropDownList: {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (!::GetComboBoxInfo(found->handle, &info)) return 0;
        return info.rcItem.right - info.rcItem.left;
      }
      case ControlKind::kLabel:
      case ControlKind::kTextBox:
        break;
    }
    return width;
  }
  int WidestItemWidth(std::string_view list) const override {
    const NativeControl* found = Find(list);
    if (!found || found->kind != ControlKind::kDropDownList) return 0;
    int widest = 0;
    const std::vector<std::string> items = Items(list);
    Measure(list, [&widest, &items](HDC context, const std::wstring&) {
      for (const std::string& item : items) {
        const std::wstring text = ui::win32::WideFromUtf8(item);
        SIZE extent{};
        ::GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
      }
    });
    return widest;
  }
  bool SavePicture(const std::string& path_without_extension) const override {
    const auto window = ui::win32::OpenWindow();
    if (!window) return false;
    Pump();
    RECT client{};
    ::GetClientRect(window->handle(), &client);
    return SaveBitmap(window->handle(), client, path_without_extension + ".bmp");
  }

  bool Exists(std::string_view control) const override {
    const auto window = ui::win32::OpenWindow();
    return window && window->Control(control) != nullptr;
  }
  bool Visible(std::string_view control) const override {
    const NativeControl* found = Find(control);
    return found && ::IsWindowVisible(found->handle);
  }
  // Enabled, and so is every container up to the window, as a user meets it.
  bool Enabled(std::string_view control) const override {
    const NativeControl* found = Find(control);
    if (!found) return false;
    for (HWND handle = found->handle;
         handle != nullptr && (::GetWindowLongPtrW(handle, GWL_STYLE) & WS_CHILD);
         handle = ::GetParent(handle)) {
      if (!::IsWindowEnabled(handle)) return false;
    }
    return true;
  }
  bool Checked(std::string_view option_button) const override {
    const NativeControl* found = Find(option_button);
    return found && ::SendMessageW(found->handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  bool Centred(std::string_view label) const override {
    const NativeControl* found = Find(label);
    return found && (::GetWindowLongPtrW(found->handle, GWL_STYLE) & SS_TYPEMASK) == SS_CENTER;
  }
  std::string Text(std::string_view control) const override {
    const NativeControl* found = Find(control);
    if (!found) return "";
    switch (found->kind) {
      case ControlKind::kButton:
      case ControlKind::kOptionButton:
        return Shown(WindowText(found->handle));
      case ControlKind::kFrame:
        return Shown(WindowText(static_cast<const ui::win32::Frame*>(found)->group_box()));
      case ControlKind::kDropDownList: {
        const auto current = ::SendMessageW(found->handle, CB_GETCURSEL, 0, 0);
        if (current >= 0) return ListItem(found->handle, static_cast<WPARAM>(current));
        return device::Utf8FromWide(
            static_cast<const ui::win32::DropDownList*>(found)->unlisted_text());
      }
      default:
        return WindowText(found->handle);
    }
  }
  std::vector<std::string> Items(std::string_view list) const override {
    std::vector<std::string> items;
    const NativeControl* found = Find(list);
    if (!found || found->kind != ControlKind::kDropDownList) return items;
    const auto count = ::SendMessageW(found->handle, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i)
      items.push_back(ListItem(found->handle, static_cast<WPARAM>(i)));
    return items;
  }
  PixelRect Geometry(std::string_view control) const override {
    const NativeControl* found = Find(control);
    if (!found) return {};
    RECT rect{};
    ::GetWindowRect(found->handle, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(found->handle), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  }
  std::string Container(std::string_view control) const override {
    const NativeControl* found = Find(control);
    return found ? found->container : "";
  }
  // A list or a text box is named after the nearest shown window before it among its siblings
  // (creation order), when that is a label; a button after its own text.
  std::string AccessibleName(std::string_view control) const override {
    const NativeControl* found = Find(control);
    if (!found) return "";
    if (found->kind != ControlKind::kDropDownList && found->kind != ControlKind::kTextBox) {
      return WithoutMnemonics(WindowText(found->handle));
    }
    HWND before = ::GetWindow(found->handle, GW_HWNDPREV);
    while (before != nullptr && !(::GetWindowLongPtrW(before, GWL_STYLE) & WS_VISIBLE)) {
      before = ::GetWindow(before, GW_HWNDPREV);
    }
    // The labels show "&" as it is (SS_NOPREFIX).
    return before != nullptr && IsLabel(before) ? WindowText(before) : "";
  }
  bool ShowsTextFromItsStart(std::string_view text_box) const override {
    const NativeControl* found = Find(text_box);
    // A one-line edit control answers with the index of its first visible character.
    return found && ::SendMessageW(found->handle, EM_GETFIRSTVISIBLELINE, 0, 0) == 0;
  }
  std::string FocusedControl() const override {
    const auto window = ui::win32::OpenWindow();
    const HWND focus = ::GetFocus();
    if (!window || focus == nullptr) return "";
    for (const auto& control : window->controls()) {
      if (control->handle == focus) return control->name;
    }
    return "";
  }
  std::vector<std::string> TabOrder(std::string_view first, std::size_t count) const override {
    std::vector<std::string> names;
    const NativeControl* found = Find(first);
    if (!found) return names;
    Focus(found->handle);
    while (names.size() < count) {
      names.push_back(FocusedControl());
      Type(VK_TAB);
    }
    return names;
  }
  void Click(std::string_view control) override {
    const NativeControl* found = Find(control);
    if (!found ||
        (found->kind != ControlKind::kButton && found->kind != ControlKind::kOptionButton)) {
      ADD_FAILURE() << "no button " << control;
      return;
    }
    // The mouse reaches only what is on screen and enabled.
    if (!Visible(control) || !Enabled(control)) return;
    RECT rect{};
    ::GetClientRect(found->handle, &rect);
    // Near the left edge, where an option button has its indicator.
    const LPARAM point = MAKELPARAM(6, rect.bottom / 2);
    ::PostMessageW(found->handle, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::PostMessageW(found->handle, WM_LBUTTONUP, 0, point);
    Pump();
  }
  void Choose(std::string_view list, std::string_view item) override {
    const std::vector<std::string> items = Items(list);
    const auto at = std::find(items.begin(), items.end(), item);
    if (at == items.end()) {
      ADD_FAILURE() << "no item \"" << item << "\" in " << list;
      return;
    }
    if (!Visible(list) || !Enabled(list)) return;
    Focus(Find(list)->handle);
    Type(VK_HOME);
    for (auto i = items.begin(); i != at; ++i) Type(VK_DOWN);
  }
  void Press(std::string_view control, Key key) override {
    const NativeControl* found = Find(control);
    if (!found) return;
    Focus(found->handle);
    Type(VirtualKey(key));
  }
  void CloseByUser() override {
    const auto window = ui::win32::OpenWindow();
    if (!window) return;
    ::PostMessageW(window->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
  }
  void ProcessEventsFor(int milliseconds) override {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (auto now = std::chrono::steady_clock::now(); now < end;
         now = std::chrono::steady_clock::now()) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now).count();
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
      Pump();
    }
  }

  bool SetSystemColours(Colour window, Colour text) override {
    if (!saved_scheme_) {
      saved_scheme_.emplace();
      for (std::size_t i = 0; i < kSchemeElements.size(); ++i) {
        (*saved_scheme_)[i] = ::GetSysColor(kSchemeElements[i]);
      }
    }
    SetScheme({RGB(window.red, window.green, window.blue), RGB(text.red, text.green, text.blue)});
    Pump();
    return true;
  }
  std::vector<Colour> ShownColours(std::string_view control) const override {
    const auto window = ui::win32::OpenWindow();
    if (!window) return {};
    Pump();
    RECT area{};
    if (control.empty()) {
      ::GetClientRect(window->handle(), &area);
    } else {
      const NativeControl* found = Find(control);
      if (!found) return {};
      ::GetWindowRect(found->handle, &area);
      ::MapWindowPoints(nullptr, window->handle(), reinterpret_cast<POINT*>(&area), 2);
    }
    return ColoursOnScreen(window->handle(), area);
  }

 private:
  const NativeControl* Find(std::string_view control) const {
    const auto window = ui::win32::OpenWindow();
    const NativeControl* found = window ? window->Control(control) : nullptr;
    if (!found) ADD_FAILURE() << "no control " << control << " in " << WindowName();
    return found;
  }

  // Runs `measure` with a context that has the control's font selected, and its text.
  template <typename Measuring>
  void Measure(std::string_view control, Measuring measure) const {
    const NativeControl* found = Find(control);
    if (!found) return;
    const HWND handle = found->kind == ControlKind::kFrame
                            ? static_cast<const ui::win32::Frame*>(found)->group_box()
                            : found->handle;
    const int length = ::GetWindowTextLengthW(handle);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(handle, text.data(), length + 1)));
    const HDC context = ::GetDC(handle);
    const HGDIOBJ old_font =
        ::SelectObject(context, reinterpret_cast<HFONT>(::SendMessageW(handle, WM_GETFONT, 0, 0)));
    measure(context, text);
    ::SelectObject(context, old_font);
    ::ReleaseDC(handle, context);
  }

  // Gives the control the focus as the dialog manager does, so that a button becomes the one
  // that Enter presses.
  static void Focus(HWND control) {
    const HWND window = ::GetAncestor(control, GA_ROOT);
    ::SetForegroundWindow(window);
    ::SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    Pump();
  }

  ui::win32::FrontEnd front_end_;
  std::optional<Scheme> saved_scheme_;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver() {
  return std::make_unique<Win32WindowDriver>();
}

}  // namespace testing_support
