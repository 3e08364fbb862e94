#pragma once

#ifndef _WIN32

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "device/descriptor_posix.h"

namespace device {

// Linux: notes on a thread of its own which mounts leave the mount table while it is asked to,
// as they leave. A volume unmounted and mounted again may get the same mount ID and device
// number again (Linux before 6.8 has no unique mount ID): only its departure, seen while it is
// gone, tells the new mount from the old one. The thread sleeps in poll until the kernel marks
// the mount table changed, and looks only while it is asked to.
class MountDepartures {
 public:
  // `present` gives the mounts there are now (device::Volume::mounts).
  using Present = std::function<std::vector<std::string>()>;
  explicit MountDepartures(Present present);
  ~MountDepartures();
  MountDepartures(const MountDepartures&) = delete;
  MountDepartures& operator=(const MountDepartures&) = delete;

  // From now on notes which of `mounts` leave; one that is gone already counts as left.
  void Watch(const std::vector<std::string>& mounts);
  // Stops noting, and gives those of the watched mounts that left since Watch, in their order.
  std::vector<std::string> Departed();

 private:
  void Run();
  void Look();

  const Present present_;
  const Descriptor changes_;  // POLLPRI when the mount table changes
  const Descriptor wake_;     // an eventfd that ends the thread
  std::mutex mutex_;          // for what follows
  std::vector<std::string> watched_;
  std::vector<std::string> departed_;
  unsigned watch_ = 0;  // counts the calls to Watch
  std::thread thread_;
};

}  // namespace device

#endif  // !_WIN32
