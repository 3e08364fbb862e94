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

LocalTime NearestLocalTime(std::chrono::system_clock::time_point moment) {
  using std::chrono::floor;
  using std::chrono::milliseconds;
  using std::chrono::seconds;
  const std::time_t whole =
      std::chrono::system_clock::to_time_t(floor<seconds>(moment + milliseconds(500)));
  std::tm local{};
  // The C library reads the zone once and keeps it; tzset() reads it again (from TZ, or the
  // system's setting where TZ is unset), so a zone changed since then is taken.
#ifdef _WIN32
  _tzset();
  localtime_s(&local, &whole);
#else
  tzset();
  localtime_r(&whole, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

LocalTime SystemClock::Now() const {
  return NearestLocalTime(std::chrono::system_clock::now());
}

ClockSync SystemClock::Synchronisation() const {
  return SystemClockSync();
}

std::string FormatClockFileTime(const LocalTime& time) {
  return Format(time, ' ');
}

std::string FormatLiveClock(const LocalTime& time) {
  return Format(time, ':');
}

}  // namespace device
