#pragma once

#include <functional>
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

// What Start on a settings screen writes, in this order: the settings line is read afresh (and
// given to `check`, if any), the clock file gets the clock line with settings, and the rebuilt
// line goes to the .bak of the pair that was read (made normal before, hidden after); an .ini
// that was read is deleted last, so the recorder's settings line is on the device at every step.
// The caller ends the program after.
void CommitSettings(FileSystem& file_system, const Clock& clock, std::string_view settings_block,
                    const LineCheck& check = {});

}  // namespace device
