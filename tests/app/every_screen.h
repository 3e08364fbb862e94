#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "screens/control_names.h"
#include "screens/screen_table.h"
#include "support/settings_line_builder.h"
#include "support/window_driver.h"

namespace app {

// One screen of the program, reached with a typical recorder of its model.
struct ScreenCase {
  const char* name;
  std::optional<std::string> line;
  bool setting = false;  // the basic screen's Setting pressed first

  friend void PrintTo(const ScreenCase& row, std::ostream* out) { *out << row.name; }
};

inline std::string ScreenCaseLine(char model, std::string_view flags, std::string_view block) {
  return support::BuildSettingsLine({.model = model,
                                     .flags = std::string(flags),
                                     .block = std::string(block),
                                     .version = std::string("FW 1.00 MODEL-") + model});
}

inline constexpr std::string_view kEveryFeature = "11111111111111";

// Every screen, with every feature shown, and model 6's compact layout.
inline const ScreenCase kEveryScreen[] = {
    {"StartScreen", std::nullopt},
    {"BasicScreen", ScreenCaseLine('0', kEveryFeature, "21010001000000")},
    {"OptionSettingModel0", ScreenCaseLine('0', kEveryFeature, "21010001000000"), true},
    {"OptionSettingModel1", ScreenCaseLine('1', kEveryFeature, "21013021100000"), true},
    {"Model2", ScreenCaseLine('2', kEveryFeature, "22000000000000")},
    {"Model3", ScreenCaseLine('3', kEveryFeature, "21000001000000")},
    {"Model4", ScreenCaseLine('4', kEveryFeature, "20000000000000")},
    {"Model5", ScreenCaseLine('5', kEveryFeature, "12000000000000")},
    {"Model6", ScreenCaseLine('6', kEveryFeature, "22111000012000")},
    {"Model6Compact", ScreenCaseLine('6', "11111111111011", "22111000012000")},  // no MIC input
};

// The window a screen case shows, once started up (and Setting pressed where it asks).
inline const screens::WindowLayout& ShownLayout(const ScreenCase& row) {
  std::optional<device::SettingsLine> settings_line;
  if (row.line) settings_line.emplace(*row.line);
  const screens::ShownScreen shown = screens::ScreenFor(settings_line);
  return row.setting ? shown.settings->window : *shown.window;
}

}  // namespace app
