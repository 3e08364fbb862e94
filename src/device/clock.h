#pragma once

#include <chrono>
#include <string>

namespace device {

struct LocalTime {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
  int hour = 0;   // 0 to 23
  int minute = 0;
  int second = 0;
};

// Whether the PC's clock is kept to a time server, as far as the system tells.
enum class ClockSync { kUnknown, kSynchronised, kNotSynchronised };

// The PC's local clock, to the second; tests give a fixed one.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
  // Unknown unless the clock asks the system.
  virtual ClockSync Synchronisation() const { return ClockSync::kUnknown; }
};

class SystemClock : public Clock {
 public:
  LocalTime Now() const override;
  ClockSync Synchronisation() const override;
};

// `moment` in the system's time zone as it is set now, to the nearest second (half a second
// rounds up). The zone is looked up again on every call, so a PC's zone changed while the program
// runs is followed; the TZ variable, where set, wins over the system's zone.
LocalTime NearestLocalTime(std::chrono::system_clock::time_point moment);

// What the system says of its clock: Linux the kernel's time status, Windows the time service's
// configuration. kUnknown where it says nothing.
ClockSync SystemClockSync();

// "yyyy mm dd hh mm ss": the date and time as the clock file carries them.
std::string FormatClockFileTime(const LocalTime& time);
// "yyyy:mm:dd:hh:mm:ss": the live clock on every screen.
std::string FormatLiveClock(const LocalTime& time);

}  // namespace device
