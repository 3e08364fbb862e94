#pragma once

#include "ui/win32/windows_api.h"

#include <string>
#include <vector>

namespace ui::win32 {

// "Start watching at every login…": asks first, then puts a shortcut to the windowed program
// with `arguments` (the running watch's own, wide, without the program's name) in the user's
// Startup folder, and says where. Refused with a message for a program on a removable drive,
// which may not be plugged in at the next login. `owner` owns the message boxes.
void OfferStartAtEveryLogin(HWND owner, const std::vector<std::wstring>& arguments);

}  // namespace ui::win32
