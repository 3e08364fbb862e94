#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "device/clock.h"
#include "device/file_system.h"
#include "device/settings_line.h"

namespace device {

// Characters 1 to 17 of the line read, the new 14-character block, characters 32 to 47.
std::string RebuildSettingsLine(std::string_view line, std::string_view settings_block);

// Looks at the settings line read afresh before anything is written, and throws to write nothing.
using LineCheck = std::function<void(const SettingsLine& line)>;

// What a write of the settings line has done, filled in step by step: a write that fails part
// way still tells what reached the device.
struct SettingsWritten {
  std::optional<std::string> before;    // the line read afresh
  std::optional<LocalTime> clock_time;  // once the clock file has it (CommitSettings only)
  std::optional<std::string> after;     // once the line is in `file`
  std::string file;                     // "\ravlen_setting.bak"
};

// What Start on a settings screen writes, in this order: the settings line is read afresh (and
// given to `check`, if any), the clock file gets the clock line with settings, and the rebuilt
// line goes to the .bak of the pair that was read (made normal before, hidden after); an .ini
// that was read is deleted last, so the recorder's settings line is on the device at every step.
// The caller ends the program after. `written`, if given, is filled in as the steps go.
void CommitSettings(FileSystem& file_system, const Clock& clock, std::string_view settings_block,
                    const LineCheck& check = {}, SettingsWritten* written = nullptr);

// Puts `line` back as the settings line, as CommitSettings writes its rebuilt one, without the
// clock file: the line is read afresh and given to `check`, then `line` goes to the .bak of the
// pair read and an .ini read is deleted. `written` is filled in as the steps go.
void RestoreSettingsLine(FileSystem& file_system, std::string_view line, const LineCheck& check,
                         SettingsWritten& written);

}  // namespace device
