#include "ui/win32/watch_system.h"

// After windows.h, which they need.
#include <objbase.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <string_view>
#include <thread>
#include <utility>

#include "device/stop_request.h"
#include "language/language.h"
#include "screens/program_text.h"
#include "ui/win32/drive_changes.h"
#include "ui/win32/startup_shortcut.h"
#include "ui/win32/text.h"
#include "ui/win32/window_class.h"

namespace ui::win32 {
namespace {

constexpr UINT kIconMessage = WM_APP + 1;  // the notification-area icon's clicks
constexpr UINT kQuitMessage = WM_APP + 2;  // the watch is over: the window goes
constexpr UINT kIconId = 1;
constexpr int kIconResource = 1;  // data/windows/datetime-cfg-creator.rc
constexpr WORD kStartAtLoginCommand = 2;
// How long a closing console or an ending session waits for a recorder being written: Windows
// ends the program on its own after about five seconds.
constexpr DWORD kEndWaitMs = 4000;

// Shared with the console control handler, which Windows calls on a thread of its own: `stop`
// ends the watch; `finished` says that no recorder is being written any more.
struct StopEvents {
  HANDLE stop = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE finished = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
};

StopEvents& Events() {
  static StopEvents events;
  return events;
}

// Ctrl+C and Ctrl+Break stop the watch; closing the console, logging off and shutting down end
// the program as soon as the handler returns, so it first has a write in progress end: one waiting
// for a busy file gives up at once and removes its temporary file.
BOOL WINAPI ConsoleControl(DWORD event) {
  ::SetEvent(Events().stop);
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
    device::ProgramStop().Request();
    ::WaitForSingleObject(Events().finished, kEndWaitMs);
  }
  return TRUE;
}

// How often the watch looks at the drives besides the moments Windows reports a volume. Windows
// broadcasts the arrival of media only for drives with a soft eject: a card put into a reader's
// slot, or a recorder that shows an empty drive until it switches to USB, comes without a message
// (nor does Wine send one for the drives mapped in its prefix). A look asks each drive letter for
// its type and volume and lists the root of a removable one: that every two seconds while idle,
// against a recorder left unwritten until the next plug-in. Registering for each drive's media
// events instead would keep a handle open on every drive, which stands in the way of ejecting it.
constexpr DWORD kLookIntervalMs = 2000;

// Copies `text` into a fixed field of NOTIFYICONDATAW, cut short where it does not fit (without
// splitting a surrogate pair).
template <std::size_t N>
void CopyInto(wchar_t (&field)[N], std::wstring_view text) {
  std::size_t length = std::min(text.size(), N - 1);
  if (length < text.size() && length > 0 && IS_HIGH_SURROGATE(text[length - 1])) --length;
  text.copy(field, length);
  field[length] = L'\0';
}

class Win32WatchSystem final : public cli::WatchSystem {
 public:
  explicit Win32WatchSystem(std::vector<std::wstring> arguments)
      : arguments_(std::move(arguments)),
        changed_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
        taskbar_created_(::RegisterWindowMessageW(L"TaskbarCreated")) {
    ::ResetEvent(Events().stop);
    ::ResetEvent(Events().finished);
    ::SetConsoleCtrlHandler(ConsoleControl, TRUE);
    // The window lives on a thread of its own, so that a drive that arrives while a recorder is
    // written is answered at once (a broadcast waits for every window) and not missed.
    const HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, ready] { RunWindow(ready); });
    ::WaitForSingleObject(ready, INFINITE);
    ::CloseHandle(ready);
  }

  Win32WatchSystem(const Win32WatchSystem&) = delete;
  Win32WatchSystem& operator=(const Win32WatchSystem&) = delete;

  ~Win32WatchSystem() override {
    // The icon goes first, also while the window's thread waits in WM_ENDSESSION.
    RemoveIcon();
    ::SetEvent(Events().finished);
    if (window_ != nullptr) ::PostMessageW(window_, kQuitMessage, 0, 0);
    thread_.join();
    ::SetConsoleCtrlHandler(ConsoleControl, FALSE);
    if (icon_.hIcon != nullptr) ::DestroyIcon(icon_.hIcon);
    ::CloseHandle(changed_);
  }

  bool WaitForChange() override {
    const HANDLE events[] = {Events().stop, changed_};
    const DWORD woken = ::WaitForMultipleObjects(2, events, FALSE, kLookIntervalMs);
    return woken == WAIT_OBJECT_0 + 1 || woken == WAIT_TIMEOUT;
  }

  void Notify(std::string_view title, std::string_view text) override {
    const std::lock_guard<std::recursive_mutex> lock(icon_mutex_);
    if (!icon_shown_) return;  // no notification area: the line on stdout stays
    NOTIFYICONDATAW balloon = icon_;
    balloon.uFlags = NIF_INFO;
    CopyInto(balloon.szInfoTitle, WideFromUtf8(title));
    CopyInto(balloon.szInfo, WideFromUtf8(text));
    balloon.dwInfoFlags = NIIF_INFO;
    ::Shell_NotifyIconW(NIM_MODIFY, &balloon);
  }

  void WatchDepartures(const std::vector<std::string>&) override { removed_drives_ = 0; }
  std::vector<std::string> Departed() override { return DriveRoots(removed_drives_.exchange(0)); }

 private:
  void RunWindow(HANDLE ready) {
    // Apartment-threaded for the shell's shortcut objects.
    const HRESULT com =
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const wchar_t* window_class =
        RegisterWindowClass({.name = kWatchWindowClass, .procedure = Procedure, .cursor = nullptr});
    // Top-level, never shown: Windows broadcasts WM_DEVICECHANGE, WM_ENDSESSION and
    // "TaskbarCreated" to top-level windows only, never to message-only ones.
    const std::wstring title = WideFromUtf8(screens::kProgramName);
    const HWND window =
        window_class == nullptr
            ? nullptr
            : ::CreateWindowExW(WS_EX_TOOLWINDOW, window_class, title.c_str(), WS_POPUP, 0, 0, 0, 0,
                                nullptr, nullptr, instance, this);
    window_ = window;
    if (window != nullptr) {
      icon_.hIcon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(kIconResource),
                                                    IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                    ::GetSystemMetrics(SM_CYSMICON), 0));
      AddIcon();
    }
    ::SetEvent(ready);
    MSG message;
    while (window != nullptr && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    if (SUCCEEDED(com)) ::CoUninitialize();
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
    if (message == WM_NCCREATE) {
      const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(l_param);
      ::SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* watch = reinterpret_cast<Win32WatchSystem*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (watch == nullptr) return ::DefWindowProcW(window, message, w_param, l_param);
    return watch->Handle(window, message, w_param, l_param);
  }

  LRESULT Handle(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
    switch (message) {
      case WM_DEVICECHANGE:
        // Also while a recorder is written: one unplugged meanwhile is a new plug-in when it is
        // back.
        removed_drives_ |= RemovedDrives(w_param, l_param);
        if (IsVolumeArrivalOrRemoval(w_param, l_param)) ::SetEvent(changed_);
        return TRUE;
      case kIconMessage:
        // NOTIFYICON_VERSION_4: the event in the low word, the anchor point in w_param.
        switch (LOWORD(l_param)) {
          case WM_CONTEXTMENU:
          case NIN_SELECT:
          case NIN_KEYSELECT:
            ShowMenu(window, GET_X_LPARAM(w_param), GET_Y_LPARAM(w_param));
            break;
          default:
            break;
        }
        return 0;
      case WM_COMMAND:
        if (LOWORD(w_param) == kStopWatchingCommand) ::SetEvent(Events().stop);
        if (LOWORD(w_param) == kStartAtLoginCommand) OfferStartAtEveryLogin(window, arguments_);
        return 0;
      case WM_CLOSE:  // taskkill without /f, or any program that asks the window to close
        ::SetEvent(Events().stop);
        return 0;
      case WM_QUERYENDSESSION:
        return TRUE;
      case WM_ENDSESSION:
        // The program may be ended at any time after this returns: the icon goes now, and a
        // recorder being written is finished first.
        if (w_param) {
          ::SetEvent(Events().stop);
          device::ProgramStop().Request();
          RemoveIcon();
          ::WaitForSingleObject(Events().finished, kEndWaitMs);
        }
        return 0;
      case kQuitMessage:
        ::DestroyWindow(window);
        return 0;
      case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
      default:
        // Explorer started again (after a crash): the notification area is a new one.
        if (message == taskbar_created_ && taskbar_created_ != 0) AddIcon();
        return ::DefWindowProcW(window, message, w_param, l_param);
    }
  }

  void AddIcon() {
    const std::lock_guard<std::recursive_mutex> lock(icon_mutex_);
    if (removed_) return;
    icon_.cbSize = sizeof icon_;
    icon_.hWnd = window_;
    icon_.uID = kIconId;
    icon_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    icon_.uCallbackMessage = kIconMessage;
    CopyInto(icon_.szTip, WideFromUtf8(language::Fill(
                              language::Translate("{1}: watching for recorders to be plugged in"),
                              {screens::kProgramName})));
    icon_shown_ = ::Shell_NotifyIconW(NIM_ADD, &icon_) != FALSE;
    if (icon_shown_) {
      icon_.uVersion = NOTIFYICON_VERSION_4;
      ::Shell_NotifyIconW(NIM_SETVERSION, &icon_);
    }
  }

  void RemoveIcon() {
    const std::lock_guard<std::recursive_mutex> lock(icon_mutex_);
    removed_ = true;
    if (icon_shown_) ::Shell_NotifyIconW(NIM_DELETE, &icon_);
    icon_shown_ = false;
  }

  void ShowMenu(HWND window, int x, int y) {
    const HMENU menu = ::CreatePopupMenu();
    if (menu == nullptr) return;
    const std::wstring start_at_login =
        WideFromUtf8(language::Translate("Start watching at every login\u2026"));
    const std::wstring stop_watching = WideFromUtf8(language::Translate("Stop watching"));
    ::AppendMenuW(menu, MF_STRING, kStartAtLoginCommand, start_at_login.c_str());
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, kStopWatchingCommand, stop_watching.c_str());
    // The menu closes when the user clicks elsewhere only if its window is in the foreground,
    // and the message after it makes the next menu stay open (TrackPopupMenu's remarks).
    ::SetForegroundWindow(window);
    const UINT align = ::GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    ::TrackPopupMenuEx(menu, align | TPM_RIGHTBUTTON, x, y, window, nullptr);
    ::PostMessageW(window, WM_NULL, 0, 0);
    ::DestroyMenu(menu);
  }

  const std::vector<std::wstring> arguments_;
  const HANDLE changed_;  // auto-reset: a change while a recorder is written is kept for later
  const UINT taskbar_created_;
  HWND window_ = nullptr;
  // The icon is shown from the window's thread, the balloons from the watch's; recursive, as a
  // session ending may come in while the icon is being added.
  std::recursive_mutex icon_mutex_;
  NOTIFYICONDATAW icon_{};
  bool icon_shown_ = false;
  bool removed_ = false;
  std::atomic<DWORD> removed_drives_{0};  // the drive letters that left since WatchDepartures
  std::thread thread_;
};

}  // namespace

std::unique_ptr<cli::WatchSystem> MakeWatchSystem(std::vector<std::wstring> arguments) {
  return std::make_unique<Win32WatchSystem>(std::move(arguments));
}

}  // namespace ui::win32
