#include "device/clock_file.h"

namespace device {

std::string ClockLine(const LocalTime& time, std::optional<std::string_view> settings_block) {
  std::string line = FormatClockFileTime(time);
  if (settings_block) {
    line += 'E';
    line += *settings_block;
  }
  return line;
}

LocalTime WriteClockFile(FileSystem& file_system, const Clock& clock,
                         std::optional<std::string_view> settings_block) {
  const LocalTime now = clock.Now();
  file_system.WriteLine(kClockFilePath, ClockLine(now, settings_block));
  return now;
}

}  // namespace device
