#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "device/clock.h"
#include "device/file_system.h"
#include "device/recorder_files.h"

namespace device {

// The clock line without its CR LF: the date and time, then "E" and the settings block if any.
std::string ClockLine(const LocalTime& time, std::optional<std::string_view> settings_block);

// Writes the clock file: the date-only clock line, or with a block the clock line with settings.
// Returns the time written.
LocalTime WriteClockFile(FileSystem& file_system, const Clock& clock,
                         std::optional<std::string_view> settings_block = std::nullopt);

}  // namespace device
