#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "device/watch_lock.h"

namespace device {
namespace {

constexpr char kLockFileName[] = "datetime-cfg-creator-watch.lock";

std::string SystemReason(const std::string& what, int error) {
  return what + ": " + std::strerror(error);
}

// Closes `fd`, keeping errno, and gives -1.
int Drop(int fd) {
  const int error = errno;
  ::close(fd);
  errno = error;
  return -1;
}

// `folder`, opened, when it is a folder of this user's own that nobody else may enter, named
// without a symbolic link as its last part: no one else can put a file or a link into it. Else -1,
// and `problem` says why.
int OpenOwnFolder(const std::filesystem::path& folder, std::string& problem) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    problem = SystemReason(folder.string(), errno);
    return -1;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0) {
    problem = SystemReason(folder.string(), errno);
    return Drop(fd);
  }
  if (status.st_uid != ::geteuid() || (status.st_mode & 077) != 0) {
    problem = folder.string() + " is not a folder of this user's own that only the user may enter";
    return Drop(fd);
  }
  return fd;
}

// The lock file in the open `folder`: made with mode 0600 where it is missing, else opened, never
// through a symbolic link, and only when it is a regular file of this user's own with mode 0600.
// Else -1, and `problem` says why.
int OpenLockFile(int folder, const std::string& shown, std::string& problem) {
  // O_NONBLOCK: a FIFO in its place would otherwise keep the open waiting for a writer.
  constexpr int kFlags = O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  int fd = ::openat(folder, kLockFileName, kFlags | O_CREAT | O_EXCL, 0600);
  if (fd >= 0) {
    // The umask may have taken bits away: the file is the user's to read and write, and no more.
    if (::fchmod(fd, 0600) == 0) return fd;
    problem = SystemReason(shown, errno);
    return Drop(fd);
  }
  if (errno == EEXIST) fd = ::openat(folder, kLockFileName, kFlags);
  if (fd < 0) {
    problem = errno == ELOOP ? shown + " is a symbolic link" : SystemReason(shown, errno);
    return -1;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0) {
    problem = SystemReason(shown, errno);
    return Drop(fd);
  }
  if (!S_ISREG(status.st_mode) || status.st_uid != ::geteuid() ||
      (status.st_mode & 07777) != 0600) {
    problem = shown + " is not a regular file of this user's own with mode 0600";
    return Drop(fd);
  }
  return fd;
}

// The folder of the user's lock: the session's runtime folder, as every program of the session is
// given it; else the one the system makes for the user (the same folder, for a shell that lost
// the variable); else one made for it among the temporary files. The first that nobody else may
// enter; where none is, the last, whose problem the lock then tells.
std::filesystem::path UserLockFolder() {
  const std::string user = std::to_string(::geteuid());
  std::vector<std::filesystem::path> folders;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && runtime[0] == '/')
    folders.emplace_back(runtime);
  folders.emplace_back("/run/user/" + user);
  for (const std::filesystem::path& folder : folders) {
    std::string problem;
    if (const int fd = OpenOwnFolder(folder, problem); fd >= 0) {
      ::close(fd);
      return folder;
    }
  }
  const std::filesystem::path temporary = "/tmp/datetime-cfg-creator-" + user;
  ::mkdir(temporary.c_str(), 0700);  // where it is missing; checked as the others are
  return temporary;
}

}  // namespace

struct WatchLock::Hold {
  int lock_file;  // holds the flock; the system lets go of it when the process ends
};

WatchLock::WatchLock() : WatchLock(UserLockFolder()) {}

WatchLock::WatchLock(const std::filesystem::path& folder) {
  const int folder_fd = OpenOwnFolder(folder, problem_);
  if (folder_fd < 0) return;
  const std::string shown = (folder / kLockFileName).string();
  const int fd = OpenLockFile(folder_fd, shown, problem_);
  ::close(folder_fd);
  if (fd < 0) return;
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) {
    hold_ = std::make_unique<Hold>(Hold{fd});
    state_ = State::kHeld;
    return;
  }
  if (errno == EWOULDBLOCK) {
    state_ = State::kHeldByOther;
  } else {
    problem_ = SystemReason(shown, errno);
  }
  ::close(fd);
}

WatchLock::~WatchLock() {
  if (hold_) ::close(hold_->lock_file);
}

}  // namespace device
