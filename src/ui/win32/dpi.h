#pragma once

#include "ui/win32/windows_api.h"

#include "ui/twips.h"

namespace ui::win32 {

inline constexpr UINT kDefaultDpi = static_cast<UINT>(kStandardDpi);

// The resolution a window is shown at: its monitor's under per-monitor awareness, the system's
// on a Windows older than 10, which lacks the per-window call.
UINT WindowDpi(HWND window);

// The outer size of a window whose client area is `client_width` x `client_height` pixels.
SIZE OuterSize(int client_width, int client_height, DWORD style, DWORD ex_style, UINT dpi);

// The work area of the monitor that holds the most of the window (the nearest one where none
// does): the screen less the taskbar and the bars docked at its edges.
RECT WorkArea(HWND window);

// A system metric at a resolution (the frame's height for the outer height of a screen).
int SystemMetric(int index, UINT dpi);

}  // namespace ui::win32
