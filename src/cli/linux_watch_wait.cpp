#include "cli/linux_watch_wait.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>

#include <cerrno>

#include "device/mount_table.h"
#include "device/mounted_volumes.h"
#include "device/root_search.h"

namespace cli {
namespace {

sigset_t StopSignals() {
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGINT);
  sigaddset(&stop, SIGTERM);
  sigaddset(&stop, SIGHUP);
  return stop;
}

// The stop signals are blocked and read from a descriptor, so that a signal that arrives while a
// recorder is written waits until the write is done, and one that arrives while the watch sleeps
// wakes it like a change of the mount table.
int BlockAndOpenStopSignals() {
  const sigset_t stop = StopSignals();
  ::pthread_sigmask(SIG_BLOCK, &stop, nullptr);
  const int fd = ::signalfd(-1, &stop, SFD_CLOEXEC);
  // Without the descriptor the signals end the program as they always do.
  if (fd < 0) ::pthread_sigmask(SIG_UNBLOCK, &stop, nullptr);
  return fd;
}

}  // namespace

LinuxWatchWait::LinuxWatchWait()
    : signals_(BlockAndOpenStopSignals()),
      mount_table_(device::OpenMountTableChanges()),
      departures_(device::MountedFatMounts) {
  // A reader of standard output that went away (`--watch | head -1`) makes writes fail instead
  // of ending the watch.
  ::signal(SIGPIPE, SIG_IGN);
}

bool LinuxWatchWait::WaitForChange() {
  pollfd fds[2] = {{signals_.get(), POLLIN, 0}, {mount_table_.get(), POLLPRI, 0}};
  const int watched = mount_table_.valid() ? 2 : 1;
  const int timeout = mount_table_.valid() ? -1 : device::kDriveLookIntervalMs;
  int ready;
  do {
    ready = ::poll(fds, watched, timeout);
  } while (ready < 0 && errno == EINTR);
  if (ready < 0) return false;
  return (fds[0].revents & POLLIN) == 0;
}

}  // namespace cli
