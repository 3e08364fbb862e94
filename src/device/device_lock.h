#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string_view>

#include "language/language.h"

namespace device {

// How long a Start waits for another program's Start on the same recorder to finish.
inline constexpr std::chrono::milliseconds kDeviceLockWait{5000};

inline constexpr std::string_view kDeviceBusyMessage = language::ToTranslate(
    "Another program is writing to this recorder. Try again when it has finished.");

// Keeps the Starts of other programs, and of other threads, off the recorder at `root` while it
// lives, so that one Start's reads and writes never interleave with another's. Taking it waits
// for up to `wait`, then fails with kDeviceBusyMessage (a RuntimeFailure). A thread that holds
// it may take it again at once: the command line holds it around the window's Start, which takes
// it itself. Nothing is written to the device:
// - Linux: flock on the root folder itself;
// - Windows: a named mutex shared by every session, named after the volume that holds the root.
class DeviceLock {
 public:
  explicit DeviceLock(const std::filesystem::path& root,
                      std::chrono::milliseconds wait = kDeviceLockWait);
  ~DeviceLock();
  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;

 private:
  struct Hold;  // what the system holds for it
  std::unique_ptr<Hold> hold_;
};

}  // namespace device
