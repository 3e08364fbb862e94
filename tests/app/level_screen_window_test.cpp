#include <algorithm>
#include <ostream>
#include <utility>

#include "program_fixture.h"
#include "support/settings_line_builder.h"

namespace app {
namespace {

using support::kSomeTimeText;

constexpr const char* kModes[] = {"Option1", "Option2", "Option3", "Option4", "Option5"};

struct Screen {
  const char* window;
  char model;
  const char* level_caption;
  int version_label_width;
};

std::string PrintName(const ::testing::TestParamInfo<Screen>& info) {
  return info.param.window;
}
void PrintTo(const Screen& screen, std::ostream* out) {
  *out << screen.window;
}

// A settings line whose flags after the first two, and whose unedited settings, are not "0", so
// that the write-back shows what it keeps and what it clears.
std::string Line(char model, const support::LineChanges& changes) {
  return support::WithChanges(support::BuildSettingsLine({.model = model,
                                                          .flags = "11234567890123",
                                                          .after_flags = '7',
                                                          .block = "20123456789012",
                                                          .after_block = '#',
                                                          .version = "FW 2.05 TEST-XYTRAILING"}),
                              changes);
}

std::string Rebuilt(const std::string& line, std::string_view block) {
  return line.substr(0, 17) + std::string(block) + line.substr(31, 16);
}

class LevelScreenWindowTest : public ProgramTest, public ::testing::WithParamInterface<Screen> {
 protected:
  std::string StartWith(const std::vector<std::pair<int, char>>& changes) {
    const std::string line = Line(GetParam().model, changes);
    device.Write("ravlen_setting.ini", line + "\r\n");
    StartUp();
    EXPECT_EQ(screen.WindowName(), GetParam().window);
    return line;
  }
  std::string WrittenBlock() const { return device.Read("date_time.cfg").substr(20, 14); }
};

TEST_P(LevelScreenWindowTest, StartWithoutAChangeWritesBackTheLoadedSelections) {
  for (const char mode : {'0', '1', '2', '3', '4'}) {
    SCOPED_TRACE(std::string("recording mode ") + mode);
    ProgramOnDevice run;
    const std::string line = Line(GetParam().model, {{18, mode}, {19, '4'}});
    run.device.Write("ravlen_setting.ini", line + "\r\n");
    run.StartUp();
    ASSERT_EQ(run.screen.WindowName(), GetParam().window);
    EXPECT_TRUE(run.screen.Checked(kModes[mode - '0']));
    EXPECT_TRUE(run.screen.Checked("Option11"));
    run.screen.PressStart();
    const std::string block = std::string(1, mode) + "4" + std::string(12, '0');
    EXPECT_EQ(run.device.Read("date_time.cfg"), std::string(kSomeTimeText) + "E" + block + "\r\n");
    EXPECT_EQ(run.device.Read("ravlen_setting.bak"), Rebuilt(line, block) + "\r\n");
  }
}

TEST_P(LevelScreenWindowTest, TheFiveModesAreOneExclusiveGroupInTheModeFrame) {
  StartWith({{18, '2'}});
  const double scale = screen.Pixels(1440) / 1440.0;
  const testing_support::PixelRect frame = screen.Geometry("Frame1");
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(kModes[i]);
    EXPECT_EQ(screen.Container(kModes[i]), "Frame1");
    const testing_support::PixelRect button = screen.Geometry(kModes[i]);
    EXPECT_NEAR(frame.left + button.left, 840 * scale, 1.0);
    EXPECT_NEAR(frame.top + button.top, (1320 + 360 * i) * scale, 1.0);
  }
  screen.Click("Option1");
  screen.Click("Option2");
  for (const char* mode : kModes) EXPECT_EQ(screen.Checked(mode), mode == kModes[1]) << mode;
  screen.PressStart();
  EXPECT_EQ(WrittenBlock(), "10000000000000");
}

TEST_P(LevelScreenWindowTest, CodeEightLeavesOnlyPcmAndHqChoosable) {
  StartWith({{3, '8'}, {18, '1'}});
  EXPECT_TRUE(screen.Checked("Option2"));
  std::vector<bool> choosable;
  for (const char* mode : kModes) {
    EXPECT_TRUE(screen.Visible(mode)) << mode;
    screen.Click(mode);
    choosable.push_back(screen.Checked(mode));
  }
  EXPECT_EQ(choosable, (std::vector<bool>{true, false, true, false, false}));
  screen.PressStart();
  EXPECT_EQ(WrittenBlock(), "20000000000000");
}

TEST_P(LevelScreenWindowTest, CodeZeroHidesAllFiveModesAndWritesZero) {
  const std::string line = StartWith({{3, '0'}, {18, '3'}});
  EXPECT_FALSE(screen.Visible("Frame1"));
  for (const char* mode : kModes) EXPECT_FALSE(screen.Visible(mode)) << mode;
  screen.PressStart();
  EXPECT_EQ(device.Read("ravlen_setting.bak"), Rebuilt(line, "00000000000000") + "\r\n");
}

TEST_P(LevelScreenWindowTest, VosLevelFlagZeroHidesTheLevelFrameAndWritesZero) {
  StartWith({{4, '0'}, {18, '1'}, {19, '3'}});
  EXPECT_FALSE(screen.Visible("Frame2"));
  screen.PressStart();
  EXPECT_EQ(WrittenBlock(), "10000000000000");
}

TEST_P(LevelScreenWindowTest, CaptionsDifferBetweenTheTwoScreens) {
  StartWith({});
  EXPECT_EQ(screen.Text("Frame2"), GetParam().level_caption);
  EXPECT_EQ(screen.Text("Frame1"), "Mode (Record Quality)");
  EXPECT_EQ(screen.Text("Option9"), "  0 (Default)");
  // The layout's width, or the text's where the font needs more.
  const double scale = screen.Pixels(1440) / 1440.0;
  EXPECT_NEAR(screen.Geometry("Label3").width,
              std::max<double>(GetParam().version_label_width * scale, screen.TextWidth("Label3")),
              1.0);
}

TEST_P(LevelScreenWindowTest, FailingAtTwoPositionsShowsOneMessageAndWritesNothing) {
  device.Write("ravlen_setting.bak", Line(GetParam().model, {{4, '2'}, {19, '5'}}) + "\r\n");
  StartUp();
  EXPECT_EQ(messages, std::vector<std::string>{"Ravlen_setting.ini File Error"});
  EXPECT_EQ(quits, std::vector<int>{kExitFileError});
  EXPECT_EQ(device.Names(), std::vector<std::string>{"ravlen_setting.bak"});
}

INSTANTIATE_TEST_SUITE_P(Screens, LevelScreenWindowTest,
                         ::testing::Values(Screen{"Form10", '2', "SVOS Level", 1215},
                                           Screen{"Form13", '5', "VOS Level", 1335}),
                         PrintName);

}  // namespace
}  // namespace app
