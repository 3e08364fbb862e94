#include "app/program.h"

#include <exception>
#include <iostream>

#include "device/errors.h"

namespace app {

Program::Program(device::FileSystem& file_system, const device::Clock& clock,
                 ui::MessageBox& message_box, Quit quit)
    : file_system_(file_system), clock_(clock), message_box_(message_box), quit_(std::move(quit)) {}

Program::~Program() {
  CloseWindow();
}

void Program::Run(const std::function<void()>& handler) {
  if (exit_status_) return;
  try {
    handler();
  } catch (const device::FileError& error) {
    Fail(QString::fromUtf8(error.what()), kExitFileError);
  } catch (const device::RuntimeFailure& error) {
    Fail(QString::fromUtf8(error.what()), kExitRuntimeFailure);
  } catch (const std::exception& error) {
    Fail(QStringLiteral("Unexpected error: ") + QString::fromUtf8(error.what()),
         kExitRuntimeFailure);
  }
}

void Program::Fail(const QString& text, int status) {
  std::cerr << text.toStdString() << std::endl;
  message_box_.Show(text);
  End(status);
}

void Program::End(int status) {
  if (exit_status_) return;
  exit_status_ = status;
  CloseWindow();
  quit_(status);
}

void Program::CloseWindow() {
  if (!window_) return;
  // The window may be the one whose handler is running: it is deleted once that handler returns.
  ui::ScreenWindow* window = window_.release();
  window->CloseByProgram();
  window->deleteLater();
}

void Program::Show(std::unique_ptr<ui::ScreenWindow> window) {
  CloseWindow();
  if (exit_status_) return;
  window_ = std::move(window);
  connect(window_.get(), &ui::ScreenWindow::closedByUser, this, [this] { End(kExitDone); });
  window_->show();
}

}  // namespace app
