#include "device/clock.h"

#include <cstdio>
#include <ctime>

namespace device {
namespace {

std::string Format(const LocalTime& time, char separator) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d%c%02d%c%02d%c%02d%c%02d%c%02d", time.year, separator,
                time.month, separator, time.day, separator, time.hour, separator, time.minute,
                separator, time.second);
  return text;
}

}  // namespace

LocalTime SystemClock::Now() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string FormatClockFileTime(const LocalTime& time) {
  return Format(time, ' ');
}

std::string FormatLiveClock(const LocalTime& time) {
  return Format(time, ':');
}

}  // namespace device
