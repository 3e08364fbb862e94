#pragma once

#include <string>
#include <string_view>

#include "device/settings_line.h"
#include "scratch.h"

namespace fuzz {

// Start on a screen that loaded `line` (the first line of `bytes`) and built `block`, on the
// commit root. Positions 17 and 32 of the line, which no screen examines, may lay out other files
// beside the settings file and make the device fail at one step of the Start (see
// commit_faults.cpp). Checks that a Start without failure leaves the .bak and the clock file as
// they should be, and that a failed one is reported as a DeviceError naming the file, loses no
// settings line, cuts no file short and leaves no temporary file behind.
void CheckCommit(const Scratch& scratch, std::string_view bytes, const device::SettingsLine& line,
                 std::string_view screen, const std::string& block);

}  // namespace fuzz
