#include "screens/screen_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "screens/control_names.h"

namespace screens {
namespace {

bool Has(const WindowLayout& window, std::string_view name, ControlKind kind) {
  for (const Control& control : window.controls) {
    if (control.name == name) return control.kind == kind;
  }
  return false;
}

// Every window the table can show has the controls that the flow binds by name, and every
// settings screen is among those whose names --set knows, each once.
TEST(ScreenTableTest, EveryShownWindowHasTheControlsTheFlowAddresses) {
  const std::vector<const ScreenDescription*> every = EverySettingsScreen();
  for (const ScreenDescription* screen : every) {
    EXPECT_EQ(std::count(every.begin(), every.end(), screen), 1) << screen->window.name;
  }
  std::vector<std::optional<device::SettingsLine>> lines = {std::nullopt};
  for (char code = '0'; code <= '9'; ++code) lines.emplace_back(std::string(1, code));
  for (const auto& line : lines) {
    SCOPED_TRACE(line ? line->bytes() : "no settings file");
    const ShownScreen shown = ScreenFor(line);
    std::vector<const WindowLayout*> windows = {shown.window};
    if (shown.settings) windows.push_back(&shown.settings->window);
    for (const WindowLayout* window : windows) {
      EXPECT_TRUE(Has(*window, kStartButton, ControlKind::kButton)) << window->name;
      EXPECT_TRUE(Has(*window, kClockLabel, ControlKind::kLabel)) << window->name;
    }
    if (shown.kind == ShownScreen::Kind::kBasicScreen) {
      EXPECT_TRUE(Has(*shown.window, kSettingButton, ControlKind::kButton));
      EXPECT_TRUE(Has(*shown.window, kVersionLabel, ControlKind::kLabel));
    }
    if (shown.settings) {
      EXPECT_NE(std::find(every.begin(), every.end(), shown.settings), every.end());
    }
  }
}

}  // namespace
}  // namespace screens
