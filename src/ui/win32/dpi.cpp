#include "ui/win32/dpi.h"

namespace ui::win32 {
namespace {

// The per-monitor calls of Windows 10, looked up once so that the program still starts on older
// systems, where the system resolution applies.
template <typename Function>
Function UserFunction(const char* name) {
  const HMODULE user = ::GetModuleHandleW(L"user32.dll");
  if (user == nullptr) return nullptr;
  // Through the generic function pointer type, which any function pointer may be cast from.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(user, name)));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using MetricForDpiFunction = int(WINAPI*)(int, UINT);

UINT SystemDpi() {
  const HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

}  // namespace

UINT WindowDpi(HWND window) {
  static const auto get_dpi = UserFunction<GetDpiForWindowFunction>("GetDpiForWindow");
  if (get_dpi != nullptr && window != nullptr) {
    const UINT dpi = get_dpi(window);
    if (dpi != 0) return dpi;
  }
  return SystemDpi();
}

SIZE OuterSize(int client_width, int client_height, DWORD style, DWORD ex_style, UINT dpi) {
  static const auto adjust = UserFunction<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, client_width, client_height};
  if (adjust != nullptr) {
    adjust(&rect, style, FALSE, ex_style, dpi);
  } else {
    ::AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

RECT WorkArea(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return monitor.rcWork;
  }
  RECT primary{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &primary, 0);
  return primary;
}

int SystemMetric(int index, UINT dpi) {
  static const auto metric = UserFunction<MetricForDpiFunction>("GetSystemMetricsForDpi");
  return metric != nullptr ? metric(index, dpi) : ::GetSystemMetrics(index);
}

}  // namespace ui::win32
