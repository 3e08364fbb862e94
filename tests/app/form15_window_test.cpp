#include <algorithm>

#include "device/write_back.h"
#include "program_fixture.h"
#include "screens/program_text.h"
#include "support/device_snapshot.h"
#include "support/settings_line_builder.h"

namespace app {
namespace {

using support::kSomeTimeText;
using testing_support::Key;

// Every tested flag "1"; the block holds 4 2 1 0 3 1 5 1 7 2 4 1 8 9.
std::string Line(const support::LineChanges& changes = {}) {
  return support::WithChanges(
      support::BuildSettingsLine(
          {.model = '6', .block = "42103151724189", .version = "FW 6.00 MODEL-6"}),
      changes);
}

class Form15WindowTest : public ProgramTest {
 protected:
  void Open(const std::string& line) {
    device.Write("ravlen_setting.ini", line + "\r\n");
    StartUp();
    ASSERT_EQ(screen.WindowName(), "Form15");
  }

  // Start, then the block that went to the clock file.
  std::string StartAndReadBlock() {
    screen.PressStart();
    EXPECT_EQ(quits, std::vector<int>{kExitDone});
    const std::string clock_file = device.Read("date_time.cfg");
    return clock_file.substr(kSomeTimeText.size() + 1, 14);
  }

  int Px(int twips) const { return screen.Pixels(twips); }
};

TEST_F(Form15WindowTest, StartWithoutAChangeWritesBothFiles) {
  Open(Line() + "TRAILING");
  EXPECT_EQ(screen.Text("Text1"), "FW 6.00 MODEL-6");
  EXPECT_EQ(screen.Text("Combo2"), "   0 (Default)");
  screen.PressStart();
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_EQ(device.Read("date_time.cfg"), std::string(kSomeTimeText) + "E42103151024100\r\n");
  EXPECT_EQ(device.Read("ravlen_setting.bak"),
            "60111111111111110"
            "42103151024100"
            "0"
            "FW 6.00 MODEL-6\r\n");
  EXPECT_EQ(device.DosBits("ravlen_setting.bak"), 0x2u);
  EXPECT_FALSE(device.Exists("ravlen_setting.ini"));
}

TEST_F(Form15WindowTest, ChoosingItemsChangesTheBlockAndAHiddenListWritesZero) {
  Open(Line({{12, '0'}, {27, '2'}}));
  EXPECT_FALSE(screen.Visible("Combo10"));
  EXPECT_FALSE(screen.Visible("Label14"));
  screen.Choose("Combo6", "  1");
  screen.Press("Combo7", Key::kDown);  // "  Ballad" to "  R & B"
  EXPECT_EQ(screen.Text("Combo7"), "  R & B");
  EXPECT_EQ(StartAndReadBlock(), "42103261004100");
}

TEST_F(Form15WindowTest, RemovedItemThatWasSelectedIsShownAndKeptUnlessChanged) {
  Open(Line({{3, '2'}, {8, '3'}}));  // LP and Folder, both selected, are removed
  const std::vector<std::string> modes = screen.Items("Combo1");
  EXPECT_EQ(modes.size(), 4u);
  EXPECT_EQ(std::count(modes.begin(), modes.end(), "  LP"), 0);
  EXPECT_EQ(screen.Text("Combo1"), "  LP");  // shown, though not in the list
  screen.Choose("Combo6", "  All");
  EXPECT_EQ(StartAndReadBlock(), "42103351024100");
}

TEST_F(Form15WindowTest, CompactLayoutMovesTheClockAndStartUpAndShrinksTheWindow) {
  Open(Line({{14, '0'}}));
  EXPECT_FALSE(screen.Visible("Combo12"));
  EXPECT_FALSE(screen.Visible("Label13"));
  EXPECT_EQ(screen.Geometry("Frame3").top, Px(6460));
  EXPECT_EQ(screen.Geometry("Command1").top, Px(7640));
  EXPECT_EQ(screen.OuterHeight(), Px(9300));
  EXPECT_EQ(StartAndReadBlock()[11], '0');
}

TEST_F(Form15WindowTest, FullLayoutKeepsTheDesignSize) {
  Open(Line());
  EXPECT_EQ(screen.ClientSize(), (testing_support::PixelSize{Px(7290), Px(9735)}));
  EXPECT_EQ(screen.Geometry("Frame3").top, Px(7560));
  EXPECT_EQ(screen.Geometry("Command1").top, Px(8640));
}

TEST_F(Form15WindowTest, LowCutTwoRelabelsCentredAndAmpersandsShowAsThemselves) {
  Open(Line({{6, '2'}}));
  EXPECT_EQ(screen.Text("Label8"), "ALC(Auto Level Contol)");
  EXPECT_TRUE(screen.Centred("Label8"));
  EXPECT_FALSE(screen.Centred("Label7"));
  EXPECT_EQ(screen.Text("Frame3"), "Date & Time");
}

TEST_F(Form15WindowTest, TabOrderStartsAtStartAndRunsThroughTheLists) {
  Open(Line());
  EXPECT_EQ(screen.TabOrder("Command1", 13),
            (std::vector<std::string>{"Command1", "Combo1", "Combo2", "Combo3", "Combo4", "Combo5",
                                      "Combo6", "Combo7", "Combo8", "Combo10", "Combo11", "Text1",
                                      "Combo12"}));
}

// The recorder swapped for another while the window is open: Start reads the line afresh. A line
// of another model (or of no model) gets nothing, not even the clock file, and the program says so
// (on stderr too) and ends with 2; a line of the same model takes the window's block.
TEST(Form15SwappedRecorderTest, OnlyALineOfTheSameModelTakesTheWindowsBlock) {
  struct Case {
    const char* what;
    std::string line;  // in the settings file when Start is pressed
    bool written;
  };
  const Case cases[] = {
      {"another model 6 recorder",
       "60111111111111110"
       "22222222222222"
       "0"
       "FW 6.10 OTHER",
       true},
      {"a model 4 recorder", "40111111111111111300000000000000FW 4.01", false},
      {"a line without a model", "x0111111111111110", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramOnDevice run;
    run.device.Write("ravlen_setting.ini", Line() + "\r\n");
    run.StartUp();
    ASSERT_EQ(run.screen.WindowName(), "Form15");
    run.device.Write("ravlen_setting.ini", c.line + "\r\n");
    const auto swapped = support::Snapshot(run.device);
    testing::internal::CaptureStderr();
    run.screen.PressStart();
    const std::string said = testing::internal::GetCapturedStderr();
    if (c.written) {
      EXPECT_EQ(run.quits, std::vector<int>{kExitDone});
      EXPECT_EQ(run.device.Read("date_time.cfg"),
                std::string(kSomeTimeText) + "E42103151024100\r\n");
      EXPECT_EQ(run.device.Read("ravlen_setting.bak"),
                device::RebuildSettingsLine(c.line, "42103151024100") + "\r\n");
      continue;
    }
    EXPECT_EQ(run.quits, std::vector<int>{kExitRuntimeFailure});
    EXPECT_EQ(run.messages,
              std::vector<std::string>{std::string(screens::kRecorderChangedMessage)});
    EXPECT_NE(said.find(screens::kRecorderChangedMessage), std::string::npos) << said;
    EXPECT_EQ(support::Snapshot(run.device), swapped);
    EXPECT_EQ(run.screen.WindowName(), "none");
  }
}

TEST_F(Form15WindowTest, BadFlagShowsTheScreensMessageAndWritesNothing) {
  for (const int position : {10, 9}) {
    SCOPED_TRACE(position);
    ProgramOnDevice run;
    run.device.Write("system_setting.bak", Line({{position, '2'}}) + "\r\n");
    run.StartUp();
    EXPECT_EQ(run.messages, std::vector<std::string>{"Ravlen.ini File Error"});
    EXPECT_EQ(run.quits, std::vector<int>{kExitFileError});
    EXPECT_EQ(run.program.window(), nullptr);
    EXPECT_EQ(run.screen.WindowName(), "none");
    EXPECT_EQ(run.device.Names(), std::vector<std::string>{"system_setting.bak"});
  }
}

}  // namespace
}  // namespace app
