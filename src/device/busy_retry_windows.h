#pragma once

#ifdef _WIN32

#include "device/windows_headers.h"

#include <chrono>
#include <filesystem>
#include <functional>

namespace device {

// Virus scanners and indexers open a file on a removable drive for a moment right after it was
// written. A create, rename, deletion or attribute change that meets such a handle is tried again
// until kBusyDeadline has passed, with pauses that start short and double up to kLongestBusyPause.
inline constexpr std::chrono::milliseconds kBusyDeadline{3000};
inline constexpr std::chrono::milliseconds kFirstBusyPause{10};
inline constexpr std::chrono::milliseconds kLongestBusyPause{200};

// The retries of one operation: every attempt made through it counts against the one deadline,
// which starts when it is made.
class BusyRetry {
 public:
  BusyRetry();

  // Makes `attempt`, which returns 0 or the system error of its failure, until it succeeds, fails
  // for another reason than a busy entry, or the deadline has passed; returns its last result.
  //
  // A sharing or lock violation always means another handle. Access denied is ambiguous: Windows
  // gives it for a file that is replaced while another handle holds it open, or that is marked
  // for deletion while one does, but also for a read-only file, a folder or a link. So it counts
  // as busy only when `entry`, what the attempt acts on, does not explain it by itself: the entry
  // cannot even be looked at because access is denied (a file marked for deletion), or it is a
  // plain file without the read-only attribute or any of the `refusing` ones. A read-only file or
  // a folder is thus refused at once, not after the deadline; an entry that access rights protect
  // (FAT drives have none) fails after it, with the same error.
  DWORD Run(const std::function<DWORD()>& attempt, const std::filesystem::path& entry,
            DWORD refusing = 0);

 private:
  std::chrono::steady_clock::time_point deadline_;
  std::chrono::milliseconds pause_ = kFirstBusyPause;
};

}  // namespace device

#endif  // _WIN32
