#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/start_screen.h"
#include "device/file_system.h"
#include "support/temp_device.h"
#include "ui/message_box.h"

namespace app {

class RecordingMessageBox : public ui::MessageBox {
 public:
  void Show(const QString& text) override {
    texts.push_back(text.toStdString());
    int visible = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) visible += widget->isVisible();
    windows_behind.push_back(visible);
  }
  std::vector<std::string> texts;
  std::vector<int> windows_behind;  // windows on screen when each message showed
};

// A program on a temporary device with a fixed clock, whose message boxes are recorded and whose
// end is recorded instead of stopping the test.
class ProgramTest : public ::testing::Test {
 protected:
  ~ProgramTest() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  void StartUp() {
    program.Run([this] { app::StartUp(program); });
  }

  QString WindowName() const {
    return program.window() ? program.window()->objectName() : QStringLiteral("none");
  }

  template <typename T>
  T* Find(const char* name) const {
    T* found =
        program.window() ? program.window()->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  // Clicks near the left edge of a button, where an option button has its indicator.
  void Click(const char* name) {
    auto* button = Find<QAbstractButton>(name);
    if (button) QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }

  testing_support::TempDevice device;
  testing_support::FixedClock clock{testing_support::kSomeTime};
  device::FileSystem file_system{device.root()};
  RecordingMessageBox messages;
  std::vector<int> quits;
  Program program{file_system, clock, messages, [this](int status) { quits.push_back(status); }};
};

}  // namespace app
