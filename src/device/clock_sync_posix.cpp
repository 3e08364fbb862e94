#include <sys/timex.h>

#include "device/clock.h"

namespace device {

// The kernel keeps STA_UNSYNC set until a time daemon (systemd-timesyncd, chrony, ntpd) has set the
// clock from a server, and sets it again when the daemon stops correcting it for long.
ClockSync SystemClockSync() {
  timex status{};  // no mode bits: only reads
  if (::ntp_adjtime(&status) == -1) return ClockSync::kUnknown;
  return (status.status & STA_UNSYNC) != 0 ? ClockSync::kNotSynchronised : ClockSync::kSynchronised;
}

}  // namespace device
