#pragma once

#include "ui/win32/windows_api.h"

#include <memory>
#include <string>
#include <vector>

#include "cli/watch_command.h"

namespace ui::win32 {

// The hidden top-level window of --watch, which Windows' WM_DEVICECHANGE broadcasts reach, and
// the command of its notification-area icon's "Stop watching" (scripts/lib/wine_watch.sh posts it).
inline constexpr wchar_t kWatchWindowClass[] = L"DtcWatchWindow";
inline constexpr WORD kStopWatchingCommand = 1;

// --watch on Windows: woken by WM_DEVICECHANGE when a volume arrives or leaves (under Wine, which
// broadcasts it only for drives it mounts itself, by a look at the drives once a second); stopped
// by Ctrl+C, Ctrl+Break, closing the console, the session ending, WM_CLOSE (taskkill) or "Stop
// watching" on its notification-area icon, whose balloons are the notifications. `arguments` are
// the program's own (wide, without its name), for the shortcut that starts the watch at every
// login.
std::unique_ptr<cli::WatchSystem> MakeWatchSystem(std::vector<std::wstring> arguments);

}  // namespace ui::win32
