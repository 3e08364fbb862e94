#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "cli/set_matching.h"
#include "device/clock.h"
#include "device/root_search.h"

namespace cli {

// What --watch needs from the system it runs on: a way to sleep until the drives change, and the
// desktop's notifications.
class WatchSystem {
 public:
  virtual ~WatchSystem() = default;

  // Sleeps until the drives may have changed: a volume was mounted or unmounted (Linux), a drive
  // arrived or left (Windows), or, where the system tells neither, a second has passed. Returns
  // false when the watch is to end: Ctrl+C, SIGTERM or SIGHUP, the session ending, or the
  // notification area's "Stop watching".
  virtual bool WaitForChange() = 0;
  // A desktop notification. Where the desktop shows none, nothing happens: that is no failure.
  virtual void Notify(std::string_view title, std::string_view text) = 0;
};

using WatchSystemMaker = std::function<std::unique_ptr<WatchSystem>()>;

// --watch: until `system` says stop, does what --start does, with `sets`, on every recorder that
// is plugged in, once per plug-in: on those plugged in when it begins, then on each one that
// appears, again after it was unplugged. Each gets a line on stdout ("ROOT: done" or what went
// wrong) and a notification. Returns 0: a recorder that failed does not end the watch.
int RunWatch(const std::vector<SetRequest>& sets, const device::VolumeSource& recorder_volumes,
             WatchSystem& system, const device::Clock& clock);

}  // namespace cli
