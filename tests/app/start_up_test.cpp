#include "program_fixture.h"

namespace app {
namespace {

using support::kSomeTimeText;

class StartUpTest : public ProgramTest {};

TEST_F(StartUpTest, WithoutSettingsFileTheStartScreenShowsTheRunningClock) {
  StartUp();
  EXPECT_EQ(screen.WindowName(), "Form1");
  EXPECT_TRUE(program.window()->TimerRunning());
  EXPECT_FALSE(program.exit_status());
}

TEST_F(StartUpTest, LiveClockShowsTheTimeAfterATick) {
  StartUp();
  screen.ProcessEventsFor(250);
  EXPECT_EQ(screen.Text("Label1"), "2026:12:07:09:05:03");
}

TEST_F(StartUpTest, StartOnTheStartScreenWritesTheDateOnlyClockLineAndEnds) {
  device.Write("ravlen_setting.ini", "7" + std::string(46, '1') + "\r\n");
  StartUp();
  ASSERT_EQ(screen.WindowName(), "Form1");
  EXPECT_FALSE(program.window()->TimerRunning());
  EXPECT_EQ(screen.Text("Label1"), "");
  screen.PressStart();
  EXPECT_EQ(device.Read("date_time.cfg"), std::string(kSomeTimeText) + "\r\n");
  EXPECT_EQ(device.Read("ravlen_setting.ini"), "7" + std::string(46, '1') + "\r\n");
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_EQ(program.window(), nullptr);
  EXPECT_EQ(screen.WindowName(), "none");
}

TEST_F(StartUpTest, SpaceOnTheFocusedStartWritesTheClockFile) {
  StartUp();
  ASSERT_EQ(screen.FocusedControl(), "Command1");
  screen.Press("Command1", testing_support::Key::kSpace);
  EXPECT_EQ(device.Read("date_time.cfg"), std::string(kSomeTimeText) + "\r\n");
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
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
    ProgramOnDevice run;
    run.device.Write("system_setting.bak", std::string(c.line) + "\r\n");
    run.StartUp();
    ASSERT_NE(run.program.window(), nullptr);
    EXPECT_EQ(run.screen.WindowName(), c.window);
    EXPECT_EQ(run.program.window()->TimerRunning(), c.clock_running);
    EXPECT_TRUE(run.messages.empty());
  }
}

TEST_F(StartUpTest, ModelCodeThatIsNoDigitEndsWithATypeMismatchAndWritesNothing) {
  device.Write("ravlen_setting.ini", "A123\r\n");
  std::filesystem::create_directory(device.Path("VOICE"));
  device.SetDosBits("VOICE", 0x6);
  StartUp();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("Type mismatch"), std::string::npos) << messages[0];
  EXPECT_NE(messages[0].find("position 1"), std::string::npos) << messages[0];
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
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("\\ravlen_setting.ini"), std::string::npos);
  EXPECT_EQ(quits, std::vector<int>{kExitRuntimeFailure});
}

TEST_F(StartUpTest, VoiceEntryBecomesNormalWhateverItIs) {
  device.Write("VOICE", "");
  device.SetDosBits("VOICE", 0x6);
  device.SetReadOnly("VOICE", true);
  StartUp();
  EXPECT_EQ(device.DosBits("VOICE"), 0u);
  EXPECT_FALSE(device.IsReadOnly("VOICE"));
  EXPECT_EQ(screen.WindowName(), "Form1");
}

TEST_F(StartUpTest, SymlinkedVoiceIsLeftAlone) {
  if (!support::CanMakeSymlinks()) GTEST_SKIP() << "no symbolic links here";
  support::TempDevice elsewhere;
  elsewhere.Write("target", "");
  elsewhere.SetDosBits("target", 0x2);
  std::filesystem::create_symlink(elsewhere.Path("target"), device.Path("VOICE"));
  StartUp();
  EXPECT_EQ(elsewhere.DosBits("target"), 0x2u);
  EXPECT_EQ(screen.WindowName(), "Form1");
}

TEST_F(StartUpTest, ClosingTheWindowWritesNothingAndEndsTheProgram) {
  StartUp();
  screen.CloseByUser();
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_EQ(screen.WindowName(), "none");
  EXPECT_TRUE(device.Names().empty());
}

}  // namespace
}  // namespace app
