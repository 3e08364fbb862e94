#pragma once

// An ordinary user's rights for a test that may run as root, whom a permission never stops.
// Linux only.

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_device.h"

namespace testing_support {

inline constexpr uid_t kOrdinaryUser = 65534;  // nobody

// While it lives, a process running as root has an ordinary user's rights on files, and the
// device belongs to that user. Any other process runs as it is.
class OrdinaryUser {
 public:
  explicit OrdinaryUser(const support::DeviceFolder& device) {
    if (::geteuid() != 0) return;
    if (::lchown(device.root().c_str(), kOrdinaryUser, static_cast<gid_t>(-1)) != 0) return;
    for (const auto& entry : std::filesystem::directory_iterator(device.root())) {
      if (::lchown(entry.path().c_str(), kOrdinaryUser, static_cast<gid_t>(-1)) != 0) return;
    }
    switched_ = ::seteuid(kOrdinaryUser) == 0;
  }
  ~OrdinaryUser() {
    if (switched_ && ::seteuid(0) != 0) std::abort();
  }
  OrdinaryUser(const OrdinaryUser&) = delete;
  OrdinaryUser& operator=(const OrdinaryUser&) = delete;

 private:
  bool switched_ = false;
};

// Whether a file without permissions stops an ordinary user here.
inline bool PermissionsStopReads() {
  const support::TempDevice probe;
  probe.Write("probe", "4");
  std::filesystem::permissions(probe.Path("probe"), std::filesystem::perms::none);
  const OrdinaryUser user(probe);
  const int fd = ::open(probe.Path("probe").c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return true;
  ::close(fd);
  return false;
}

}  // namespace testing_support
