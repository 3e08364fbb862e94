#pragma once

#include <string>
#include <vector>

#include "device/descriptor_posix.h"
#include "device/mount_departures.h"

namespace cli {

// The half of --watch on Linux that needs no desktop: sleeping until the mount table changes or a
// stop signal (SIGINT, SIGTERM, SIGHUP) arrives, and noting the mounts that leave meanwhile.
// Made before any other thread is started, so that every thread inherits the blocked stop
// signals; it starts one of its own (device::MountDepartures) only after blocking them.
class LinuxWatchWait {
 public:
  LinuxWatchWait();
  LinuxWatchWait(const LinuxWatchWait&) = delete;
  LinuxWatchWait& operator=(const LinuxWatchWait&) = delete;

  // WatchSystem::WaitForChange: false once a stop signal is pending, or where poll fails.
  bool WaitForChange();
  void WatchDepartures(const std::vector<std::string>& mounts) { departures_.Watch(mounts); }
  std::vector<std::string> Departed() { return departures_.Departed(); }

 private:
  device::Descriptor signals_;
  device::Descriptor mount_table_;
  device::MountDepartures departures_;  // after the signals are blocked: it starts a thread
};

}  // namespace cli
