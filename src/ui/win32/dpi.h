#pragma once

#include "ui/win32/windows_api.h"

namespace win32 {

inline constexpr UINT kDefaultDpi = 96;

// The resolution a window is shown at: its monitor's under per-monitor awareness, the system's
// on a Windows older than 10, which lacks the per-window call.
UINT WindowDpi(HWND window);

// Pixels for a length in twips: 15 twips a pixel at 96 DPI.
int TwipsToPixels(int twips, UINT dpi);

// The outer size of a window whose client area is `client_width` x `client_height` pixels.
SIZE OuterSize(int client_width, int client_height, DWORD style, DWORD ex_style, UINT dpi);

// A system metric at a resolution (the frame's height for the outer height of a screen).
int SystemMetric(int index, UINT dpi);

}  // namespace win32
