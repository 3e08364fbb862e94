#include <QLabel>
#include <QTimer>

#include "program_fixture.h"

namespace app {
namespace {

using testing_support::kSomeTimeText;

class StartUpTest : public ProgramTest {};

TEST_F(StartUpTest, WithoutSettingsFileTheStartScreenShowsTheRunningClock) {
  StartUp();
  EXPECT_EQ(WindowName(), "Form1");
  EXPECT_TRUE(program.window()->LiveClockRunning());
  EXPECT_FALSE(program.exit_status());
}

TEST_F(StartUpTest, LiveClockShowsTheTimeAfterATick) {
  StartUp();
  QTest::qWait(250);
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "2026:12:07:09:05:03");
}

TEST_F(StartUpTest, StartOnTheStartScreenWritesTheDateOnlyClockLineAndEnds) {
  device.Write("ravlen_setting.ini", "7" + std::string(46, '1') + "\r\n");
  StartUp();
  ASSERT_EQ(WindowName(), "Form1");
  EXPECT_FALSE(program.window()->LiveClockRunning());
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "");
  Click("Command1");
  EXPECT_EQ(device.Read("date_time.cfg"), std::string(kSomeTimeText) + "\r\n");
  EXPECT_EQ(device.Read("ravlen_setting.ini"), "7" + std::string(46, '1') + "\r\n");
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_EQ(program.window(), nullptr);
}

TEST_F(StartUpTest, ModelCodeChoosesTheScreen) {
  struct Case {
    const char* line;
    const char* window;
    bool clock_running;
  };
  const Case cases[] = {
      {"401000000000000000000000000000000VERSION", "Form12", true},
      {"7", "Form1", false},
      {"8x", "Form1", false},
      {"9", "Form1", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    testing_support::TempDevice case_device;
    case_device.Write("system_setting.bak", std::string(c.line) + "\r\n");
    device::FileSystem case_file_system(case_device.root());
    RecordingMessageBox case_messages;
    Program case_program(case_file_system, clock, case_messages, [](int) {});
    case_program.Run([&] { app::StartUp(case_program); });
    ASSERT_NE(case_program.window(), nullptr);
    EXPECT_EQ(case_program.window()->objectName(), c.window);
    EXPECT_EQ(case_program.window()->LiveClockRunning(), c.clock_running);
    EXPECT_TRUE(case_messages.texts.empty());
  }
}

TEST_F(StartUpTest, ModelCodeThatIsNoDigitEndsWithATypeMismatchAndWritesNothing) {
  device.Write("ravlen_setting.ini", "A123\r\n");
  std::filesystem::create_directory(device.Path("VOICE"));
  device.SetDosBits("VOICE", 0x6);
  StartUp();
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_NE(messages.texts[0].find("Type mismatch"), std::string::npos) << messages.texts[0];
  EXPECT_NE(messages.texts[0].find("position 1"), std::string::npos) << messages.texts[0];
  EXPECT_EQ(quits, std::vector<int>{kExitRuntimeFailure});
  EXPECT_EQ(device.DosBits("VOICE"), 0u);
  EXPECT_EQ(device.Names(), (std::vector<std::string>{"VOICE", "ravlen_setting.ini"}));
}

TEST_F(StartUpTest, EmptyFirstLineIsAConversionFailure) {
  device.Write("ravlen_setting.ini", "\r\n4");
  StartUp();
  EXPECT_EQ(quits, std::vector<int>{kExitRuntimeFailure});
}

TEST_F(StartUpTest, ZeroByteSettingsFileIsARuntimeFailureNamingTheFile) {
  device.Write("ravlen_setting.ini", "");
  StartUp();
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_NE(messages.texts[0].find("\\ravlen_setting.ini"), std::string::npos);
  EXPECT_EQ(quits, std::vector<int>{kExitRuntimeFailure});
}

TEST_F(StartUpTest, VoiceEntryBecomesNormalWhateverItIs) {
  device.Write("VOICE", "");
  device.SetDosBits("VOICE", 0x6);
  device.SetReadOnly("VOICE", true);
  StartUp();
  EXPECT_EQ(device.DosBits("VOICE"), 0u);
  EXPECT_FALSE(device.IsReadOnly("VOICE"));
  EXPECT_EQ(WindowName(), "Form1");
}

TEST_F(StartUpTest, SymlinkedVoiceIsLeftAlone) {
  testing_support::TempDevice elsewhere;
  elsewhere.Write("target", "");
  elsewhere.SetDosBits("target", 0x2);
  std::filesystem::create_symlink(elsewhere.Path("target"), device.Path("VOICE"));
  StartUp();
  EXPECT_EQ(elsewhere.DosBits("target"), 0x2u);
  EXPECT_EQ(WindowName(), "Form1");
}

TEST_F(StartUpTest, ClosingTheWindowWritesNothingAndEndsTheProgram) {
  StartUp();
  program.window()->close();
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_TRUE(device.Names().empty());
}

}  // namespace
}  // namespace app
