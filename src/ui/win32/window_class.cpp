#include "ui/win32/window_class.h"

#include <map>
#include <mutex>
#include <string>

namespace ui::win32 {

const wchar_t* RegisterWindowClass(const WindowClass& window_class) {
  // The watch registers its window on a thread of its own.
  static std::mutex mutex;
  static std::map<std::wstring, bool, std::less<>> registered;
  const std::lock_guard<std::mutex> lock(mutex);
  const auto [entry, first] = registered.try_emplace(window_class.name, false);
  if (first) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = window_class.procedure;
    description.cbWndExtra = window_class.window_extra;
    description.hInstance = instance;
    if (window_class.icon_resource != 0) {
      description.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(window_class.icon_resource));
    }
    if (window_class.cursor != nullptr) {
      description.hCursor = ::LoadCursorW(nullptr, window_class.cursor);
    }
    description.hbrBackground = window_class.background;
    description.lpszClassName = window_class.name;
    // A class of that name made elsewhere in the process serves as well.
    entry->second =
        ::RegisterClassExW(&description) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }
  return entry->second ? window_class.name : nullptr;
}

}  // namespace ui::win32
