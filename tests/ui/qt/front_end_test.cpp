#include "ui/qt/front_end.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
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

// The Qt front end with its message boxes answered at once: a question with `answer`.
class AnsweredFrontEnd : public FrontEnd {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  bool Ask(std::string_view question) override {
    questions.emplace_back(question);
    return answer;
  }
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  bool answer = false;
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
    support::TempDevice device;
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

// "Choose folder…" in the waiting window opens Qt's folder dialog on the working folder, which
// holds a recorder's folder "sub". What is typed in the dialog, then Return, is the folder taken:
// Start writes there. A folder that is no recorder's is taken after a Yes to the question.
TEST(QtFrontEndTest, TheFolderTypedInTheFolderDialogIsTheOneTaken) {
  struct Case {
    const char* what;
    std::string typed;  // then Return; "@/" stands for the temporary folder
    bool then_choose;   // the dialog stays open after Return, and Choose is clicked
    const char* taken;  // the folder where Start writes
    bool asked;         // whether the question came (answered Yes)
  };
  const Case cases[] = {
      {"the full path of a sub-folder", "@/shown/sub", false, "shown/sub", false},
      {"its name alone", "sub", false, "shown/sub", false},
      {"the full path of a folder elsewhere", "@/elsewhere", false, "elsewhere", true},
      // As when the path was typed before the dialog was the active window, into the one behind.
      {"nothing: Return chooses nothing, Choose the folder shown", "", true, "shown", true},
  };
  const QString working_folder = QDir::currentPath();
  // The dialog keeps its history in the user's settings: a test's own instead.
  QStandardPaths::setTestModeEnabled(true);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    support::TempDevice place;
    for (const char* folder : {"program", "shown", "shown/sub", "shown/sub/VOICE", "elsewhere"})
      std::filesystem::create_directory(place.Path(folder));
    std::string typed = c.typed;
    if (typed.starts_with("@/")) typed = (place.root() / typed.substr(2)).string();
    QDir::setCurrent(QString::fromStdString(place.Path("shown").string()));
    AnsweredFrontEnd front_end;
    // No to a question that should not come, so that nothing is written where it should not be.
    front_end.answer = c.asked;
    QString shown_folder;
    QTimer::singleShot(0, [&] {
      ScreenWindow* window = front_end.OpenWindow();
      ASSERT_NE(window, nullptr);
      ASSERT_EQ(window->objectName(), "WaitForRecorder");
      // The dialog is modal: it is driven from within its own event loop.
      QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown_folder = dialog->directory().absolutePath();
        // A dialog left open after a failure would keep the test waiting.
        const auto close = qScopeGuard([dialog] {
          if (dialog->isVisible()) dialog->reject();
        });
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        QWidget* line = QApplication::focusWidget();
        ASSERT_TRUE(qobject_cast<QLineEdit*>(line));
        QTest::keyClicks(line, QString::fromStdString(typed));
        QTest::keyClick(line, Qt::Key_Return);
        if (c.then_choose) {
          ASSERT_TRUE(dialog->isVisible());
          const auto* buttons = dialog->findChild<QDialogButtonBox*>();
          ASSERT_NE(buttons, nullptr);
          QTest::mouseClick(buttons->button(QDialogButtonBox::Open), Qt::LeftButton);
        }
        EXPECT_FALSE(dialog->isVisible());
      });
      QTest::mouseClick(qobject_cast<QAbstractButton*>(window->Widget("ChooseFolder")),
                        Qt::LeftButton);
      window = front_end.OpenWindow();
      ASSERT_NE(window, nullptr);
      if (window->objectName() != "Form1") {
        ADD_FAILURE() << "no folder taken";
        window->close();
        return;
      }
      ClickStart(*window);
    });
    const int status = cli::RunProgram(front_end, {}, place.Path("program"),
                                       [] { return std::vector<device::Volume>{}; });
    QDir::setCurrent(working_folder);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(shown_folder.toStdString(), place.Path("shown").string());
    for (const char* folder : {"program", "shown", "shown/sub", "elsewhere"}) {
      EXPECT_EQ(std::filesystem::exists(place.Path(folder) / "date_time.cfg"),
                std::string(folder) == c.taken)
          << folder;
    }
    EXPECT_EQ(front_end.questions.size(), c.asked ? 1u : 0u);
    EXPECT_TRUE(front_end.messages.empty());
  }
  QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
}  // namespace ui::qt
