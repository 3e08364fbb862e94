#pragma once

#include <string>
#include <utility>
#include <vector>

#include "device/errors.h"
#include "device/settings_line.h"

namespace screens::testing_lines {

inline constexpr const char* kVersion = "VERSION 1.0.0.A";

// A settings line of model `model` whose capability flags are "1" and whose settings are "0",
// with the characters at the given positions changed.
inline device::SettingsLine Line(char model, const std::vector<std::pair<int, char>>& changes) {
  std::string line = std::string(1, model) + "0" + std::string(14, '1') + "0" +
                     std::string(14, '0') + "0" + kVersion;
  for (const auto& [position, character] : changes) {
    line[static_cast<std::size_t>(position - 1)] = character;
  }
  return device::SettingsLine(line);
}

// How a load ended, for tables of lines: "loaded", "file error" or "no digit at <position>".
template <typename LoadFunction>
std::string Outcome(LoadFunction load) {
  try {
    load();
    return "loaded";
  } catch (const device::FileError&) {
    return "file error";
  } catch (const device::ConversionFailure& failure) {
    return "no digit at " + std::to_string(failure.position());
  }
}

}  // namespace screens::testing_lines
