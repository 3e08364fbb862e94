#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace device {

// One --watch per user: the first watch holds this lock for its whole life, and a second one of
// the same user, which finds it held, ends before it looks at any drive. The system lets go of it
// when the process ends, however it ends. Nothing is written to any recorder:
// - Linux: flock on `datetime-cfg-creator-watch.lock` in $XDG_RUNTIME_DIR, else in
//   /run/user/UID, else in /tmp/datetime-cfg-creator-UID (made for it), the first of them that is
//   a folder of the user's own that nobody else may enter (never through a symbolic link);
// - Windows: a mutex in the namespace that every session shares, named after the user's SID.
class WatchLock {
 public:
  enum class State {
    kHeld,         // this watch holds it
    kHeldByOther,  // another watch of the same user holds it: this one is to end
    kUnavailable,  // it cannot be taken (problem() says why): the watch goes on without it
  };

  // The user's lock.
  WatchLock();
#ifdef _WIN32
  // The lock as a mutex of that name, for tests.
  explicit WatchLock(const std::wstring& name);
#else
  // The lock as a file in `folder`, for tests.
  explicit WatchLock(const std::filesystem::path& folder);
#endif
  ~WatchLock();
  WatchLock(const WatchLock&) = delete;
  WatchLock& operator=(const WatchLock&) = delete;

  State state() const {
    return state_;
  }
  const std::string& problem() const {
    return problem_;
  }

 private:
  struct Hold;  // what the system holds for it
  std::unique_ptr<Hold> hold_;
  State state_ = State::kUnavailable;
  std::string problem_;
};

}  // namespace device
