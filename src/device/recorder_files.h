#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace device {

// The names the recorder's files have on its root, as device paths: every part of the program that
// looks for one of them or writes one reads it here.

// A settings pair: the .ini the recorder may hold, and the .bak that Start writes the rebuilt line
// to (an .ini read is deleted once its .bak holds the line).
struct SettingsPair {
  std::string_view ini;
  std::string_view bak;
};

// The settings pairs, in lookup order.
inline constexpr std::array<SettingsPair, 2> kSettingsPairs = {{
    {"\\ravlen_setting.ini", "\\ravlen_setting.bak"},
    {"\\system_setting.ini", "\\system_setting.bak"},
}};

// The candidate settings files, in lookup order: each pair's .ini, then its .bak.
inline constexpr std::array<std::string_view, 2 * kSettingsPairs.size()> kSettingsFileSet = [] {
  std::array<std::string_view, 2 * kSettingsPairs.size()> files{};
  for (std::size_t pair = 0; pair < kSettingsPairs.size(); ++pair) {
    files[2 * pair] = kSettingsPairs[pair].ini;
    files[2 * pair + 1] = kSettingsPairs[pair].bak;
  }
  return files;
}();

// The file that sets the recorder's clock.
inline constexpr std::string_view kClockFilePath = "\\date_time.cfg";

// The recorder's folder of recordings, made normal again when the program starts.
inline constexpr std::string_view kVoicePath = "\\VOICE";

// The files that a Start writes through WriteLine: the clock file and the .bak of each pair.
inline constexpr std::array<std::string_view, 1 + kSettingsPairs.size()> kWrittenFiles = [] {
  std::array<std::string_view, 1 + kSettingsPairs.size()> files{kClockFilePath};
  for (std::size_t pair = 0; pair < kSettingsPairs.size(); ++pair) {
    files[1 + pair] = kSettingsPairs[pair].bak;
  }
  return files;
}();

}  // namespace device
