#pragma once

// The Windows API without the macros that clash with the program's own names: windows.h maps
// CreateWindow, which app::FrontEnd declares, onto CreateWindowW.
#include <windows.h>
#undef CreateWindow
