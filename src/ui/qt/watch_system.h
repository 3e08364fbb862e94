#pragma once

#include <chrono>
#include <memory>

#include "cli/watch_command.h"

namespace ui::qt {

// How long the end of a watch gives the notifications not yet sent; past it the program ends
// without them. Well under the second in which a stop is to end the watch.
inline constexpr std::chrono::milliseconds kNotifyGrace{300};

// --watch on Linux: woken by the kernel when the mount table changes, stopped by SIGINT, SIGTERM
// or SIGHUP, with notifications through the desktop's freedesktop notification service. They are
// sent on a thread of their own, which neither a bus that never answers nor a slow service can
// keep the watch waiting for; where that thread is still inside D-Bus when the watch ends, after
// kNotifyGrace, the program ends there and then with the watch's status, 0.
std::unique_ptr<cli::WatchSystem> MakeWatchSystem();
// The same with another time for the notifications at the end: notify_probe waits longer, to see
// its one notification sent.
std::unique_ptr<cli::WatchSystem> MakeWatchSystemWithGrace(std::chrono::milliseconds grace);

}  // namespace ui::qt
