#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <utility>

#include "device/device_lock.h"
#include "device/errors.h"
#include "language/message.h"

namespace device {
namespace {

constexpr std::chrono::milliseconds kPollPause{10};

using FolderId = std::pair<dev_t, ino_t>;

struct Held {
  int fd;  // the descriptor that holds the flock; closing it lets go
  int count;
};

// The roots that this thread holds. A flock belongs to the open file description, so a second
// descriptor of the same thread would wait for the first one: taking a held root again counts
// instead.
thread_local std::map<FolderId, Held> held_roots;

[[noreturn]] void FailToRead(const std::filesystem::path& root, int error) {
  throw RootReadError(root, std::strerror(error));
}

}  // namespace

struct DeviceLock::Hold {
  FolderId folder;
};

DeviceLock::DeviceLock(const std::filesystem::path& root, std::chrono::milliseconds wait) {
  // The folder itself, never a file in it: the lock writes nothing to the device.
  const int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) FailToRead(root, errno);
  struct stat status {};
  if (::fstat(fd, &status) != 0) {
    const int error = errno;
    ::close(fd);
    FailToRead(root, error);
  }
  const FolderId folder{status.st_dev, status.st_ino};
  if (const auto held = held_roots.find(folder); held != held_roots.end()) {
    ::close(fd);
    ++held->second.count;
    hold_ = std::make_unique<Hold>(Hold{folder});
    return;
  }
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    // A file system that refuses flock altogether cannot be locked: the Start goes on unlocked
    // rather than not at all.
    if (errno != EWOULDBLOCK) break;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) {
      ::close(fd);
      throw RuntimeFailure(language::Message(kDeviceBusyMessage));
    }
    std::this_thread::sleep_for(
        std::min<std::chrono::steady_clock::duration>(kPollPause, deadline - now));
  }
  held_roots.emplace(folder, Held{fd, 1});
  hold_ = std::make_unique<Hold>(Hold{folder});
}

DeviceLock::~DeviceLock() {
  const auto held = held_roots.find(hold_->folder);
  if (--held->second.count > 0) return;
  ::close(held->second.fd);
  held_roots.erase(held);
}

}  // namespace device
