#include "device/mount_departures.h"

#include <poll.h>
#include <sys/eventfd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "device/mount_table.h"

namespace device {

MountDepartures::MountDepartures(Present present)
    : present_(std::move(present)),
      changes_(OpenMountTableChanges()),
      wake_(::eventfd(0, EFD_CLOEXEC)) {
  // Without either descriptor nothing is noted: the next look alone finds what changed.
  if (changes_.valid() && wake_.valid()) thread_ = std::thread([this] { Run(); });
}

MountDepartures::~MountDepartures() {
  if (!thread_.joinable()) return;
  const std::uint64_t one = 1;
  while (::write(wake_.get(), &one, sizeof one) < 0 && errno == EINTR) {
  }
  thread_.join();
}

void MountDepartures::Watch(const std::vector<std::string>& mounts) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    watched_ = mounts;
    departed_.clear();
    ++watch_;
  }
  // What left between the look that gave `mounts` and now.
  if (thread_.joinable()) Look();
}

std::vector<std::string> MountDepartures::Departed() {
  const std::lock_guard<std::mutex> lock(mutex_);
  watched_.clear();
  return std::move(departed_);
}

void MountDepartures::Run() {
  for (;;) {
    pollfd fds[2] = {{wake_.get(), POLLIN, 0}, {changes_.get(), POLLPRI, 0}};
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if ((fds[0].revents & POLLIN) != 0) return;
    if ((fds[1].revents & POLLPRI) != 0) Look();
  }
}

void MountDepartures::Look() {
  unsigned watch;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (watched_.empty()) return;
    watch = watch_;
  }
  const std::vector<std::string> present = present_();
  const std::lock_guard<std::mutex> lock(mutex_);
  // A table read before a later Watch may lack mounts that came after it.
  if (watch != watch_) return;
  std::erase_if(watched_, [&](const std::string& mount) {
    if (std::find(present.begin(), present.end(), mount) != present.end()) return false;
    departed_.push_back(mount);
    return true;
  });
}

}  // namespace device
