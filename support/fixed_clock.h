#pragma once

// A clock that always reads the same time, so that what a Start writes or a screen shows comes
// out the same on every run.

#include <string_view>

#include "device/clock.h"

namespace support {

inline constexpr device::LocalTime kSomeTime{2026, 12, 7, 9, 5, 3};
// kSomeTime as the clock file writes it.
inline constexpr std::string_view kSomeTimeText = "2026 12 07 09 05 03";

class FixedClock : public device::Clock {
 public:
  explicit FixedClock(device::LocalTime time = kSomeTime,
                      device::ClockSync sync = device::ClockSync::kUnknown)
      : time_(time), sync_(sync) {}
  device::LocalTime Now() const override { return time_; }
  device::ClockSync Synchronisation() const override { return sync_; }

 private:
  device::LocalTime time_;
  device::ClockSync sync_;
};

}  // namespace support
