#pragma once

#include <memory>

#include "cli/watch_command.h"

namespace ui::qt {

// --watch on Linux: woken by the kernel when the mount table changes, stopped by SIGINT, SIGTERM
// or SIGHUP, with notifications through the desktop's freedesktop notification service.
std::unique_ptr<cli::WatchSystem> MakeWatchSystem();

}  // namespace ui::qt
