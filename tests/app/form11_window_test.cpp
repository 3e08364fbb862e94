#include <QGroupBox>
#include <QRadioButton>
#include <utility>

#include "program_fixture.h"

namespace app {
namespace {

using testing_support::kSomeTimeText;

// A model 3 line whose other flags and unedited settings are not "0", so that the write-back
// shows what it keeps and what it clears.
std::string Line(const std::vector<std::pair<int, char>>& changes) {
  std::string line = std::string("3") + "0" + "11" + "2345611789" + "01" + "7" + "11" + "12345" +
                     "1" + "678901" + "#" + "FW 3.10 TEST-XY" + "TRAILING";
  for (const auto& [position, character] : changes) {
    line[static_cast<std::size_t>(position - 1)] = character;
  }
  return line;
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
    EXPECT_EQ(WindowName(), "Form11");
    return line;
  }
  bool Checked(const char* name) const { return Find<QRadioButton>(name)->isChecked(); }
};

TEST_F(Form11WindowTest, StartWithoutAChangeWritesBackTheLoadedSelections) {
  const std::string line = StartWith({});
  EXPECT_TRUE(Checked("Option2"));
  EXPECT_TRUE(Checked("Option8"));
  EXPECT_TRUE(Checked("Option35"));
  Click("Command1");
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_EQ(device.Read("date_time.cfg"), std::string(kSomeTimeText) + "E11000001000000\r\n");
  EXPECT_EQ(device.Read("ravlen_setting.bak"), Rebuilt(line, "11000001000000") + "\r\n");
  EXPECT_FALSE(device.Exists("ravlen_setting.ini"));
}

TEST_F(Form11WindowTest, EachFrameIsItsOwnExclusiveGroup) {
  StartWith({});
  Click("Option4");
  Click("Option34");
  Click("Option11");
  for (const char* name : {"Option1", "Option2", "Option3", "Option5", "Option7", "Option8",
                           "Option9", "Option10", "Option35"}) {
    EXPECT_FALSE(Checked(name)) << name;
  }
  for (const char* name : {"Option4", "Option34", "Option11"}) EXPECT_TRUE(Checked(name)) << name;
  Click("Command1");
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
    testing_support::TempDevice case_device;
    device::FileSystem case_file_system(case_device.root());
    RecordingMessageBox case_messages;
    Program case_program(case_file_system, clock, case_messages, [](int) {});
    const std::string line = Line(c.changes);
    case_device.Write("ravlen_setting.ini", line + "\r\n");
    case_program.Run([&] { app::StartUp(case_program); });
    ASSERT_NE(case_program.window(), nullptr);
    EXPECT_FALSE(case_program.window()->findChild<QGroupBox*>(c.hidden)->isVisible());
    QTest::mouseClick(case_program.window()->findChild<QAbstractButton*>("Command1"),
                      Qt::LeftButton);
    EXPECT_EQ(case_device.Read("ravlen_setting.bak"), Rebuilt(line, c.block) + "\r\n");
  }
}

TEST_F(Form11WindowTest, FirstFailureEndsTheLoadWithOneMessage) {
  device.Write("ravlen_setting.ini", Line({{10, '2'}, {25, '2'}}) + "\r\n");
  StartUp();
  EXPECT_EQ(messages.texts, std::vector<std::string>{"Ravlen_setting.ini File Error"});
  EXPECT_EQ(quits, std::vector<int>{kExitFileError});
  EXPECT_EQ(device.Names(), std::vector<std::string>{"ravlen_setting.ini"});
}

}  // namespace
}  // namespace app
