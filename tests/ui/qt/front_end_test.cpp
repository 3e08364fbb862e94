#include "ui/qt/front_end.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "cli/run_program.h"
#include "support/temp_device.h"
#include "ui/qt/screen_window.h"

namespace ui::qt {
namespace {

// The Qt front end with its message box answered at once.
class AnsweredFrontEnd : public FrontEnd {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  std::vector<std::string> messages;
};

void ClickStart(ScreenWindow& window) {
  QTest::mouseClick(qobject_cast<QAbstractButton*>(window.Widget("Command1")), Qt::LeftButton);
}

// The whole program on the Qt event loop: what happens in the start screen decides the status
// that the loop returns.
TEST(QtFrontEndTest, TheEventLoopEndsWithTheProgramsStatus) {
  struct Case {
    const char* what;
    bool clock_file_is_a_folder;
    std::function<void(ScreenWindow&)> act;
    int status;
    bool written;
  };
  const Case cases[] = {
      {"Start", false, ClickStart, 0, true},
      {"closed", false, [](ScreenWindow& window) { window.close(); }, 0, false},
      {"Start failing", true, ClickStart, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing_support::TempDevice device;
    if (c.clock_file_is_a_folder) std::filesystem::create_directory(device.Path("date_time.cfg"));
    AnsweredFrontEnd front_end;
    QTimer::singleShot(0, [&] {
      ScreenWindow* window = front_end.OpenWindow();
      ASSERT_NE(window, nullptr);
      EXPECT_EQ(window->objectName(), "Form1");
      c.act(*window);
    });
    const int status = cli::RunProgram(front_end, {device.root().string()}, device.root(),
                                       [] { return std::vector<device::Volume>{}; });
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(std::filesystem::is_regular_file(device.Path("date_time.cfg")), c.written);
    EXPECT_EQ(front_end.messages.size(), c.status == 0 ? 0u : 1u);
    EXPECT_EQ(front_end.WindowsOnScreen(), 0);
  }
}

}  // namespace
}  // namespace ui::qt
