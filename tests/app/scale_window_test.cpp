// Every screen at the scale the test program runs at: the runs under Wine set the display's DPI,
// the Qt runs a scale factor on a small screen. The window lies inside its monitor's work area with
// Start, every shown label holds its text, and Start writes the clock file.

#include <cstdlib>
#include <iostream>
#include <optional>

#include "every_screen.h"
#include "program_fixture.h"
#include "screens/control_names.h"
#include "screens/screen_table.h"

namespace app {
namespace {

using testing_support::PixelRect;

bool Inside(const PixelRect& inner, const PixelRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

class ScaleWindowTest : public ProgramTest, public testing::WithParamInterface<ScreenCase> {};

TEST_P(ScaleWindowTest, FitsTheWorkAreaWithTextWholeAndStartWrites) {
  const ScreenCase& row = GetParam();
  std::optional<device::SettingsLine> settings_line;
  if (row.line) {
    device.Write("ravlen_setting.ini", *row.line + "\r\n");
    settings_line.emplace(*row.line);
  }
  StartUp();
  if (row.setting) screen.Click(screens::kSettingButton);
  const screens::ShownScreen shown = screens::ScreenFor(settings_line);
  const screens::WindowLayout& layout = row.setting ? shown.settings->window : *shown.window;
  ASSERT_EQ(screen.WindowName(), layout.name);
  screen.ProcessEventsFor(150);  // the live clock shows its time: its label is checked too

  const PixelRect work = screen.WorkArea();
  const PixelRect window = screen.OnScreen("");
  std::cout << row.name << ": window " << window << ", work area " << work << ", "
            << screen.Pixels(1440) << " pixels an inch" << std::endl;
  EXPECT_TRUE(Inside(window, work)) << window << " in " << work;
  EXPECT_TRUE(Inside(screen.OnScreen("Command1"), window));

  for (const screens::Control& control : layout.controls) {
    if (control.kind != screens::ControlKind::kLabel || !screen.Visible(control.name) ||
        screen.Text(control.name).empty()) {
      continue;
    }
    SCOPED_TRACE(testing::Message() << control.name << " \"" << screen.Text(control.name) << "\"");
    const PixelRect place = screen.Geometry(control.name);
    const int line = screen.LineHeight(control.name);
    EXPECT_GE(place.height, line);
    // A label made for several lines breaks its text; any other shows it on one line.
    if (place.height < 2 * line) {
      EXPECT_GE(place.width, screen.TextWidth(control.name));
    }
  }
  if (const char* pictures = std::getenv("DTC_SCALE_PICTURES")) {
    EXPECT_TRUE(screen.SavePicture(std::string(pictures) + "/" + row.name));
  }

  screen.PressStart();
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_EQ(device.Read("date_time.cfg").substr(0, support::kSomeTimeText.size()),
            support::kSomeTimeText);
  // The start and basic screens set the clock only.
  EXPECT_EQ(device.Exists("ravlen_setting.bak"),
            shown.settings != nullptr &&
                (row.setting || shown.kind != screens::ShownScreen::Kind::kBasicScreen));
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, ScaleWindowTest, testing::ValuesIn(kEveryScreen),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace app
