#include "device/busy_retry_windows.h"

#include <algorithm>

#include "device/entry_windows.h"
#include "device/stop_request.h"

namespace device {
namespace {

// Whether a failure may go away once another program closes its handle (see BusyRetry::Run).
bool IsBusy(DWORD error, const std::filesystem::path& entry, DWORD refusing) {
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return true;
  if (error != ERROR_ACCESS_DENIED) return false;
  EntryInfo looked;
  if (!LookAt(entry.wstring(), looked)) return ::GetLastError() == ERROR_ACCESS_DENIED;
  return looked.regular() && (looked.attributes & (FILE_ATTRIBUTE_READONLY | refusing)) == 0;
}

}  // namespace

BusyRetry::BusyRetry() : deadline_(std::chrono::steady_clock::now() + kBusyDeadline) {}

DWORD BusyRetry::Run(const std::function<DWORD()>& attempt, const std::filesystem::path& entry,
                     DWORD refusing) {
  for (;;) {
    const DWORD error = attempt();
    if (error == 0 || !IsBusy(error, entry, refusing)) return error;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline_) return error;
    // A stop (Ctrl+C) ends the wait at once: the caller fails and removes what it made.
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - now);
    if (!ProgramStop().SleepUnlessStopped(std::min(pause_, left + std::chrono::milliseconds(1))))
      return error;
    pause_ = std::min(pause_ * 2, kLongestBusyPause);
  }
}

}  // namespace device
