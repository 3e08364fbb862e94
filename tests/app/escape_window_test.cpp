#include <optional>
#include <string>

#include "program_fixture.h"
#include "support/device_snapshot.h"
#include "support/settings_line_builder.h"

namespace app {
namespace {

using testing_support::Key;

// A settings line: model code, every capability flag "1", a settings block, a version text.
std::string Line(char model, std::string_view block) {
  return support::BuildSettingsLine({.model = model,
                                     .block = std::string(block),
                                     .version = std::string("FW 1.00 MODEL-") + model});
}

// Escape closes every window as its close box does: the program ends with status 0 and writes
// nothing, whichever control has the focus.
TEST(EscapeWindowTest, ClosesTheWindowWritingNothing) {
  struct Case {
    const char* window;
    std::optional<std::string> line;
    bool setting;         // Setting clicked first (the basic screen's Option Setting)
    const char* focused;  // where Escape is pressed
  };
  const Case cases[] = {
      {"Form1", std::nullopt, false, "Command1"},
      {"Form2", Line('0', "21010001000000"), false, "Command1"},
      {"Form3", Line('0', "21010001000000"), true, "Command1"},
      {"Form4", Line('1', "21013021100000"), true, "Command1"},
      {"Form10", Line('2', "22000000000000"), false, "Command1"},
      {"Form11", Line('3', "21000001000000"), false, "Text1"},
      {"Form12", Line('4', "20000000000000"), false, "Option2"},
      {"Form13", Line('5', "12000000000000"), false, "Command1"},
      {"Form15", Line('6', "22111000012000"), false, "Combo1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.window) + ", Escape on " + c.focused);
    ProgramOnDevice run;
    if (c.line) run.device.Write("ravlen_setting.ini", *c.line + "\r\n");
    run.StartUp();
    if (c.setting) run.screen.Click("Command2");
    ASSERT_EQ(run.screen.WindowName(), c.window);
    const auto before = support::Snapshot(run.device);
    run.screen.Press(c.focused, Key::kEscape);
    EXPECT_EQ(run.screen.WindowName(), "none");
    EXPECT_EQ(run.quits, std::vector<int>{kExitDone});
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(support::Snapshot(run.device), before);
  }
}

}  // namespace
}  // namespace app
