#pragma once

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

// The PC's local clock, to the second; tests give a fixed one.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
};

class SystemClock : public Clock {
 public:
  LocalTime Now() const override;
};

// "yyyy mm dd hh mm ss": the date and time as the clock file carries them.
std::string FormatClockFileTime(const LocalTime& time);
// "yyyy:mm:dd:hh:mm:ss": the live clock on every screen.
std::string FormatLiveClock(const LocalTime& time);

}  // namespace device
