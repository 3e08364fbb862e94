#include <algorithm>
#include <utility>

#include "program_fixture.h"
#include "support/settings_line_builder.h"

namespace app {
namespace {

using support::kSomeTimeText;

// A model 4 line: flags "1" after the mode availability code, the version text at 33.
std::string Line(char availability, char mode) {
  return support::BuildSettingsLine({.model = '4',
                                     .flags = availability + std::string(13, '1'),
                                     .after_flags = '1',
                                     .block = mode + std::string(13, '1'),
                                     .after_block = '#',
                                     .version = "FW 4.01 TEST-XYTRAILING"});
}

std::string Rebuilt(char availability, std::string_view block) {
  return support::BuildSettingsLine({.model = '4',
                                     .flags = availability + std::string(13, '1'),
                                     .after_flags = '1',
                                     .block = std::string(block),
                                     .after_block = '#',
                                     .version = "FW 4.01 TEST-XY"});
}

class Form12WindowTest : public ProgramTest {};

TEST_F(Form12WindowTest, StartWithoutAChangeWritesTheLoadedModeToBothFiles) {
  device.Write("ravlen_setting.ini", Line('1', '2') + "\r\nsecond line\r\n");
  StartUp();
  ASSERT_EQ(screen.WindowName(), "Form12");
  EXPECT_EQ(screen.Text("Text1"), "FW 4.01 TEST-XY");
  EXPECT_TRUE(screen.Checked("Option3"));
  screen.PressStart();
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_EQ(device.Read("date_time.cfg"), std::string(kSomeTimeText) + "E20000000000000\r\n");
  EXPECT_EQ(device.Read("ravlen_setting.bak"), Rebuilt('1', "20000000000000") + "\r\n");
  EXPECT_EQ(device.DosBits("ravlen_setting.bak"), 0x2u);
  EXPECT_FALSE(device.Exists("ravlen_setting.ini"));
  EXPECT_EQ(device.Names(), (std::vector<std::string>{"date_time.cfg", "ravlen_setting.bak"}));
}

TEST_F(Form12WindowTest, ClickingAnotherModeChangesTheBlock) {
  device.Write("ravlen_setting.bak", Line('4', '4') + "\r\n");
  device.SetDosBits("ravlen_setting.bak", 0x2);
  StartUp();
  EXPECT_FALSE(screen.Visible("Option5"));
  EXPECT_TRUE(screen.Checked("Option5"));
  screen.Click("Option1");
  EXPECT_TRUE(screen.Checked("Option1"));
  EXPECT_FALSE(screen.Checked("Option5"));
  screen.PressStart();
  EXPECT_EQ(device.Read("ravlen_setting.bak"), Rebuilt('4', "00000000000000") + "\r\n");
}

TEST_F(Form12WindowTest, HiddenOrDisabledButtonsCannotBeChosen) {
  struct Case {
    char availability;
    const char* button;  // hidden or greyed out by the code
  };
  const Case cases[] = {{'8', "Option2"}, {'8', "Option4"}, {'9', "Option2"},
                        {'3', "Option4"}, {'5', "Option1"}, {'0', "Option1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(1, c.availability) + " " + c.button);
    ProgramOnDevice run;
    run.device.Write("ravlen_setting.ini", Line(c.availability, '2') + "\r\n");
    run.StartUp();
    ASSERT_EQ(run.screen.WindowName(), "Form12");
    run.screen.Click(c.button);
    EXPECT_FALSE(run.screen.Checked(c.button));
    EXPECT_TRUE(run.screen.Checked("Option3"));
    run.screen.PressStart();
    EXPECT_EQ(run.device.Read("date_time.cfg"), std::string(kSomeTimeText) +
                                                    (c.availability == '0' ? "E0" : "E2") +
                                                    std::string(13, '0') + "\r\n");
  }
}

TEST_F(Form12WindowTest, HiddenFrameWritesZero) {
  device.Write("ravlen_setting.ini", Line('0', '3') + "\r\n");
  StartUp();
  EXPECT_FALSE(screen.Visible("Frame1"));
  screen.PressStart();
  EXPECT_EQ(device.Read("ravlen_setting.bak"), Rebuilt('0', "00000000000000") + "\r\n");
}

TEST_F(Form12WindowTest, FileErrorShowsTheMessageAndWritesNothing) {
  device.Write("ravlen_setting.ini", Line('1', '7') + "\r\n");
  StartUp();
  EXPECT_EQ(messages, std::vector<std::string>{"Ravlen_setting.ini File Error"});
  EXPECT_EQ(quits, std::vector<int>{kExitFileError});
  EXPECT_EQ(program.window(), nullptr);
  EXPECT_EQ(device.Names(), std::vector<std::string>{"ravlen_setting.ini"});
}

TEST_F(Form12WindowTest, RecordingModeThatIsNoDigitIsATypeMismatch) {
  device.Write("ravlen_setting.ini", Line('1', 'x') + "\r\n");
  StartUp();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("position 18"), std::string::npos) << messages[0];
  EXPECT_EQ(quits, std::vector<int>{kExitRuntimeFailure});
  EXPECT_EQ(device.Names(), std::vector<std::string>{"ravlen_setting.ini"});
}

TEST_F(Form12WindowTest, SettingsFileGoneAtStartWritesNothing) {
  device.Write("ravlen_setting.ini", Line('1', '1') + "\r\n");
  StartUp();
  std::filesystem::remove(device.Path("ravlen_setting.ini"));
  screen.PressStart();
  EXPECT_EQ(quits, std::vector<int>{kExitRuntimeFailure});
  EXPECT_TRUE(device.Names().empty());
}

TEST_F(Form12WindowTest, ControlsSitAtTheirTwipsGeometry) {
  device.Write("ravlen_setting.ini", Line('1', '1') + "\r\n");
  StartUp();
  ASSERT_EQ(screen.WindowName(), "Form12");
  auto rect = [this](int left, int top, int width, int height) {
    return testing_support::PixelRect{screen.Pixels(left), screen.Pixels(top), screen.Pixels(width),
                                      screen.Pixels(height)};
  };
  EXPECT_EQ(screen.ClientSize(),
            (testing_support::PixelSize{screen.Pixels(4830), screen.Pixels(6060)}));
  EXPECT_EQ(screen.Geometry("Frame1"), rect(360, 960, 4095, 2415));
  EXPECT_EQ(screen.Geometry("Option5"), rect(480, 1800, 975, 375));
  EXPECT_EQ(screen.Container("Option5"), "Frame1");
  EXPECT_EQ(screen.Container("Label1"), "Frame3");
  EXPECT_EQ(screen.Container("Command1"), "");
  EXPECT_EQ(screen.Geometry("Command1"), rect(1080, 4800, 2535, 855));
  EXPECT_EQ(screen.Title(), "date_time.cfg Creator V2.2");
}

TEST_F(Form12WindowTest, TabOrderFollowsTheTabIndexes) {
  // A frame's option buttons are one Tab stop, its checked button; the arrow keys move inside it.
  struct Case {
    char mode;
    std::vector<std::string> order;
  };
  const Case cases[] = {{'1', {"Command1", "Option2", "Text1", "Command1"}},
                        {'3', {"Command1", "Option4", "Text1", "Command1"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    ProgramOnDevice run;
    run.device.Write("ravlen_setting.ini", Line('1', c.mode) + "\r\n");
    run.StartUp();
    EXPECT_EQ(run.screen.TabOrder("Command1", c.order.size()), c.order);
  }
}

// As under a High Contrast theme: the window and what it holds are drawn on the system's window
// colour in its window text colour, and follow a change of the colours while the window is open.
TEST_F(Form12WindowTest, DrawsInTheSystemColoursAndFollowsTheirChange) {
  using testing_support::Colour;
  device.Write("ravlen_setting.ini", Line('1', '2') + "\r\n");
  StartUp();
  ASSERT_EQ(screen.WindowName(), "Form12");
  struct Scheme {
    const char* name;
    Colour window;
    Colour text;
  };
  const Scheme schemes[] = {{"dark", {32, 32, 32}, {255, 255, 0}},
                            {"light", {255, 255, 255}, {0, 0, 0}}};
  for (const Scheme& scheme : schemes) {
    SCOPED_TRACE(scheme.name);
    if (!screen.SetSystemColours(scheme.window, scheme.text)) {
      GTEST_SKIP() << "this front end's windows do not take the system's colours";
    }
    // The window, both frames, a label in each (the clock's still empty), an option button and
    // the version box.
    const std::pair<const char*, bool> controls_with_text[] = {
        {"", false},      {"Frame1", true},  {"Frame3", false}, {"Label1", false},
        {"Label3", true}, {"Option3", true}, {"Text1", true}};
    for (const auto& [control, with_text] : controls_with_text) {
      SCOPED_TRACE(control);
      const std::vector<Colour> shown = screen.ShownColours(control);
      ASSERT_FALSE(shown.empty());
      EXPECT_EQ(shown.front(), scheme.window);
      if (with_text) {
        EXPECT_NE(std::find(shown.begin(), shown.end(), scheme.text), shown.end())
            << "no text in " << scheme.text;
      }
    }
  }
}

}  // namespace
}  // namespace app
