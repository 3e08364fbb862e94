#pragma once

#include "ui/win32/windows_api.h"

namespace ui::win32 {

// A window class of the program: its name, its procedure and how its windows look.
struct WindowClass {
  const wchar_t* name = nullptr;
  WNDPROC procedure = nullptr;
  HBRUSH background = nullptr;        // null: the window erases nothing itself
  const wchar_t* cursor = IDC_ARROW;  // a system cursor, or null for none
  int icon_resource = 0;              // the program's icon resource, or 0 for none
  int window_extra = 0;               // DLGWINDOWEXTRA for a window that works as a dialog
};

// Registers the class the first time it is asked for in the process (from any thread) and
// returns the name to create its windows with; null where the system refused it.
const wchar_t* RegisterWindowClass(const WindowClass& window_class);

}  // namespace ui::win32
