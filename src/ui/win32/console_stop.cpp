#include "ui/win32/console_stop.h"

#include <chrono>

#include "device/stop_request.h"
#include "ui/win32/windows_api.h"

namespace ui::win32 {
namespace {

// Well under the 5 s that Windows gives a handler for closing the console before it ends the
// process, and long enough to remove a file.
constexpr std::chrono::milliseconds kStopCleanUpWait{2000};

// Runs on a thread that the system starts for the event.
BOOL WINAPI StopAfterWrites(DWORD) {
  device::ProgramStop().Request();
  device::ProgramStop().WaitForWritesToEnd(kStopCleanUpWait);
  // The next handler, the system's own, ends the process as Ctrl+C always did.
  return FALSE;
}

}  // namespace

void FinishWritesBeforeConsoleStop() {
  ::SetConsoleCtrlHandler(StopAfterWrites, TRUE);
}

}  // namespace ui::win32
