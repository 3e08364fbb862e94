#pragma once

#include <string>

#include "device/errors.h"
#include "device/settings_line.h"
#include "support/settings_line_builder.h"

namespace screens::testing_lines {

// A settings line of model `model` whose capability flags are "1" and whose settings are "0",
// with the characters at the given positions changed.
inline device::SettingsLine Line(char model, const support::LineChanges& changes) {
  return device::SettingsLine(
      support::WithChanges(support::BuildSettingsLine({.model = model}), changes));
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
