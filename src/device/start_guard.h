#pragma once

#include <chrono>

#include "device/device_lock.h"
#include "device/file_system.h"
#include "device/stop_request.h"

namespace device {

// What every Start does before it reads the settings line afresh and writes: it locks the
// recorder against other Starts (DeviceLock, waiting up to `wait`), then removes the temporary
// files that an interrupted write left beside the files a Start writes ("\date_time.cfg.tmp",
// "\ravlen_setting.bak.tmp7"): regular files only, never a link, a folder or another name. A
// leftover that cannot be removed stays and does not stop the Start. Everything a Start writes is
// written while its guard lives, which is a WriteSection: a stop asked for meanwhile waits for it.
class StartGuard {
 public:
  explicit StartGuard(FileSystem& file_system, std::chrono::milliseconds wait = kDeviceLockWait);

 private:
  DeviceLock lock_;
  // After the lock: a stop asked for while a Start waits for another does not wait for it.
  WriteSection writing_;
};

}  // namespace device
