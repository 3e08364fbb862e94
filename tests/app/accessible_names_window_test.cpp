#include <optional>
#include <ostream>

#include "program_fixture.h"
#include "screens/line_builder.h"
#include "screens/screen_table.h"

namespace app {
namespace {

using screens::ControlKind;

// A screen as start-up opens it: for a recorder without a settings file, or with a line of the
// model (every setting shown), and on the basic screen after Setting.
struct Opened {
  const char* window;
  std::optional<char> model;
  bool setting = false;
};

void PrintTo(const Opened& opened, std::ostream* out) {
  *out << opened.window;
}

class AccessibleNamesTest : public ProgramTest, public ::testing::WithParamInterface<Opened> {};

// A screen reader names a list or a text box by the caption label that names it, and a button or
// an option button by its own text.
TEST_P(AccessibleNamesTest, EveryControlCarriesItsName) {
  std::optional<device::SettingsLine> line;
  if (GetParam().model) line = screens::testing_lines::Line(*GetParam().model, {});
  if (line) device.Write("ravlen_setting.ini", line->bytes() + "\r\n");
  StartUp();
  const screens::ShownScreen shown = screens::ScreenFor(line);
  const screens::WindowLayout* layout = shown.window;
  if (GetParam().setting) {
    screen.Click("Command2");
    layout = &shown.settings->window;
  }
  ASSERT_EQ(screen.WindowName(), GetParam().window);

  for (const screens::Control& control : layout->controls) {
    SCOPED_TRACE(control.name);
    switch (control.kind) {
      case ControlKind::kDropDownList:
      case ControlKind::kTextBox: {
        std::string caption;
        for (const screens::Control& label : layout->controls) {
          if (label.buddy == control.name) caption = screen.Text(label.name);
        }
        EXPECT_FALSE(caption.empty()) << "no caption label";
        EXPECT_EQ(screen.AccessibleName(control.name), caption);
        break;
      }
      case ControlKind::kButton:
      case ControlKind::kOptionButton:
        EXPECT_NE(screen.AccessibleName(control.name), "");
        break;
      default:
        break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, AccessibleNamesTest,
                         ::testing::Values(Opened{"Form1", std::nullopt}, Opened{"Form2", '0'},
                                           Opened{"Form3", '0', true}, Opened{"Form4", '1', true},
                                           Opened{"Form10", '2'}, Opened{"Form11", '3'},
                                           Opened{"Form12", '4'}, Opened{"Form13", '5'},
                                           Opened{"Form15", '6'}),
                         [](const ::testing::TestParamInfo<Opened>& info) {
                           return std::string(info.param.window);
                         });

}  // namespace
}  // namespace app
