#include <utility>

#include "program_fixture.h"
#include "support/settings_line_builder.h"

namespace app {
namespace {

using support::kSomeTimeText;

// A model 3 line whose other flags and unedited settings are not "0", so that the write-back
// shows what it keeps and what it clears.
std::string Line(const support::LineChanges& changes) {
  return support::WithChanges(support::BuildSettingsLine({.model = '3',
                                                          .flags = "11234561178901",
                                                          .after_flags = '7',
                                                          .block = "11123451678901",
                                                          .after_block = '#',
                                                          .version = "FW 3.10 TEST-XYTRAILING"}),
                              changes);
}

std::string Rebuilt(const std::string& line, std::string_view block) {
  return line.substr(0, 17) + std::string(block) + line.substr(31, 16);
}

class Form11WindowTest : public ProgramTest {
 protected:
  std::string StartWith(const std::vector<std::pair<int, char>>& changes) {
    const std::string line = Line(changes);
    device.Write("ravlen_setting.ini", line + "\r\n");
    StartUp();
    EXPECT_EQ(screen.WindowName(), "Form11");
    return line;
  }
};

TEST_F(Form11WindowTest, StartWithoutAChangeWritesBackTheLoadedSelections) {
  const std::string line = StartWith({});
  EXPECT_TRUE(screen.Checked("Option2"));
  EXPECT_TRUE(screen.Checked("Option8"));
  EXPECT_TRUE(screen.Checked("Option35"));
  screen.PressStart();
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_EQ(device.Read("date_time.cfg"), std::string(kSomeTimeText) + "E11000001000000\r\n");
  EXPECT_EQ(device.Read("ravlen_setting.bak"), Rebuilt(line, "11000001000000") + "\r\n");
  EXPECT_FALSE(device.Exists("ravlen_setting.ini"));
}

TEST_F(Form11WindowTest, EachFrameIsItsOwnExclusiveGroup) {
  StartWith({});
  screen.Click("Option4");
  screen.Click("Option34");
  screen.Click("Option11");
  for (const char* name : {"Option1", "Option2", "Option3", "Option5", "Option7", "Option8",
                           "Option9", "Option10", "Option35"}) {
    EXPECT_FALSE(screen.Checked(name)) << name;
  }
  for (const char* name : {"Option4", "Option34", "Option11"})
    EXPECT_TRUE(screen.Checked(name)) << name;
  screen.PressStart();
  EXPECT_EQ(device.Read("date_time.cfg").substr(20, 14), "34000000000000");
}

TEST_F(Form11WindowTest, FlagsZeroHideTheirFramesAndWriteZero) {
  struct Case {
    std::vector<std::pair<int, char>> changes;
    const char* hidden;
    const char* block;
  };
  const Case cases[] = {
      {{{10, '0'}, {25, '1'}}, "Frame8", "11000000000000"},
      {{{4, '0'}, {19, '3'}}, "Frame2", "10000001000000"},
      {{{3, '0'}, {18, '4'}}, "Frame1", "01000001000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hidden);
    ProgramOnDevice run;
    const std::string line = Line(c.changes);
    run.device.Write("ravlen_setting.ini", line + "\r\n");
    run.StartUp();
    ASSERT_EQ(run.screen.WindowName(), "Form11");
    EXPECT_FALSE(run.screen.Visible(c.hidden));
    run.screen.PressStart();
    EXPECT_EQ(run.device.Read("ravlen_setting.bak"), Rebuilt(line, c.block) + "\r\n");
  }
}

TEST_F(Form11WindowTest, FirstFailureEndsTheLoadWithOneMessage) {
  device.Write("ravlen_setting.ini", Line({{10, '2'}, {25, '2'}}) + "\r\n");
  StartUp();
  EXPECT_EQ(messages, std::vector<std::string>{"Ravlen_setting.ini File Error"});
  EXPECT_EQ(quits, std::vector<int>{kExitFileError});
  EXPECT_EQ(device.Names(), std::vector<std::string>{"ravlen_setting.ini"});
}

}  // namespace
}  // namespace app
