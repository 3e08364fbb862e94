#include "ui/qt/front_end.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <utility>
#include <vector>

#include "app/program.h"
#include "language/language.h"
#include "screens/program_text.h"
#include "ui/qt/folder_dialog.h"
#include "ui/qt/screen_window.h"
#include "ui/qt/text.h"
#include "ui/qt/volume_chooser.h"

namespace ui::qt {
namespace {

struct HeldMessage {
  QtMsgType type;
  QString text;
};
std::vector<HeldMessage> held_messages;
QtMessageHandler handler_before = nullptr;

// While the application is made, Qt's messages are held back. Where no display can be opened, Qt
// ends the program with a fatal message and abort(); instead the program prints one line that
// says what to do and ends with its run-time failure status.
void HoldOrEndWithoutDisplay(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type != QtFatalMsg) {
    held_messages.push_back({type, text});
    return;
  }
  std::cerr << language::Translate(
                   "No display: the window cannot be opened here. Use --start or "
                   "--show, which need no display (--help lists every option).")
            << std::endl;
  std::fflush(nullptr);
  std::_Exit(app::kExitRuntimeFailure);
}

}  // namespace

void FrontEnd::MakeApplication() {
  if (argc_ == nullptr || application_) return;
  handler_before = qInstallMessageHandler(HoldOrEndWithoutDisplay);
  application_ = std::make_unique<QApplication>(*argc_, argv_);
  qInstallMessageHandler(handler_before);
  for (const HeldMessage& message : std::exchange(held_messages, {})) {
    qt_message_output(message.type, QMessageLogContext(), message.text);
  }
  QApplication::setApplicationName(ToQString(screens::kProgramName));
  // The program decides when it ends: a screen that replaces another must not end it.
  QApplication::setQuitOnLastWindowClosed(false);
}

std::unique_ptr<app::Window> FrontEnd::CreateWindow(const screens::WindowLayout& layout) {
  MakeApplication();
  auto window = std::make_unique<ScreenWindow>(layout);
  std::erase_if(windows_, [](const QPointer<ScreenWindow>& known) { return known.isNull(); });
  windows_.emplace_back(window.get());
  return window;
}

ScreenWindow* FrontEnd::OpenWindow() const {
  for (const QPointer<ScreenWindow>& window : windows_) {
    if (window && window->isVisible()) return window;
  }
  return nullptr;
}

int FrontEnd::WindowsOnScreen() const {
  return static_cast<int>(std::count_if(
      windows_.begin(), windows_.end(),
      [](const QPointer<ScreenWindow>& window) { return window && window->isVisible(); }));
}

void FrontEnd::ShowMessage(std::string_view text) {
  MakeApplication();
  QMessageBox box(QMessageBox::NoIcon, ToQString(screens::kProgramName), ToQString(text),
                  QMessageBox::Ok, OpenWindow());
  // Qt's own buttons speak English: the program carries no translations of Qt.
  box.button(QMessageBox::Ok)->setText(ToQString(language::Translate(screens::kOkCaption)));
  box.exec();
}

bool FrontEnd::Ask(std::string_view question) {
  MakeApplication();
  QMessageBox box(QMessageBox::NoIcon, ToQString(screens::kProgramName), ToQString(question),
                  QMessageBox::Yes | QMessageBox::No, OpenWindow());
  box.button(QMessageBox::Yes)->setText(ToQString(language::Translate("Yes")));
  box.button(QMessageBox::No)->setText(ToQString(language::Translate("No")));
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::optional<std::size_t> FrontEnd::ChooseVolume(const std::vector<device::Volume>& volumes) {
  MakeApplication();
  VolumeChooserDialog dialog(volumes, OpenWindow());
  dialog.exec();
  return dialog.Chosen();
}

std::optional<std::filesystem::path> FrontEnd::ChooseFolder() {
  MakeApplication();
  // The working folder first, then the folder the dialog showed last.
  if (folder_shown_.isEmpty()) folder_shown_ = QDir::currentPath();
  FolderDialog dialog(ToQString(language::Translate(screens::kChooseFolderTitle)), folder_shown_,
                      OpenWindow());
  dialog.exec();
  folder_shown_ = dialog.directory().absolutePath();
  const std::optional<QString> folder = dialog.Chosen();
  if (!folder) return std::nullopt;
  return std::filesystem::path(QFile::encodeName(*folder).toStdString());
}

int FrontEnd::RunEventLoop() {
  // The program may have ended before its first window was shown.
  if (quit_status_) return *quit_status_;
  MakeApplication();
  return QApplication::exec();
}

void FrontEnd::Quit(int status) {
  quit_status_ = status;
  QCoreApplication::exit(status);
}

}  // namespace ui::qt
