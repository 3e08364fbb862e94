#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/profile.h"
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

  // While a recorder is written and told of, notes which of `mounts` (device::Volume::mounts of
  // the look before) go away, as they go: a recorder unplugged and plugged in again meanwhile may
  // come back with the very same mounts. Departed ends the noting and gives those that went.
  // Where the system tells nothing of it, none: the next look alone finds what changed.
  virtual void WatchDepartures(const std::vector<std::string>& mounts) { (void)mounts; }
  virtual std::vector<std::string> Departed() { return {}; }
};

using WatchSystemMaker = std::function<std::unique_ptr<WatchSystem>()>;

// --watch: until `system` says stop, does what --start does, with `sets`, on every recorder that
// is plugged in, once per plug-in (PlugIns): on those plugged in when it begins, then on each one
// that appears, again after it was unplugged. The drives are looked at again after each recorder.
// A set that a recorder's screen does not take is left out there, and its clock is set all the
// same. Each recorder gets a line on stdout ("ROOT: done", with the sets left out, or what went
// wrong) and a notification; so does a FAT volume whose root cannot be read, once per plug-in.
// Returns 0: a recorder that failed does not end the watch. The sets are checked first
// (CheckWatchSets). The entries of `profile` apply as sets do, after them, where the recorder's
// screen shows their settings; those it does not show are named on stderr.
int RunWatch(const std::vector<SetRequest>& sets, const device::VolumeSource& recorder_volumes,
             WatchSystem& system, const device::Clock& clock, const Profile& profile = {});

// Before --watch begins: a set whose name no model's screen has is refused on stderr with 64,
// before anything is written. Returns that status, or none where the sets may go on.
std::optional<int> CheckWatchSets(const std::vector<SetRequest>& sets);

}  // namespace cli
