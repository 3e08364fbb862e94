#pragma once

#include "ui/win32/windows_api.h"

#include "ui/twips.h"

namespace ui::win32 {

inline constexpr UINT kDefaultDpi = static_cast<UINT>(kStandardDpi);

// A window's resolution and the share of its size it is shown at to fit its monitor (FitScale):
// the one conversion from the layouts' twips to the window's pixels.
struct Scaling {
  UINT dpi = kDefaultDpi;
  double scale = 1;

  int Pixels(int twips) const { return TwipsToPixels(twips, dpi, scale); }
  // A place in pixels (left, top, width, height) for one in twips (left, top, right, bottom),
  // `top` replacing its top.
  RECT Place(const RECT& twips, int top) const {
    return {Pixels(twips.left), Pixels(top), Pixels(twips.right - twips.left),
            Pixels(twips.bottom - twips.top)};
  }
};

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
