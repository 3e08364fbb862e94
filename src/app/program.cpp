#include "app/program.h"

#include <exception>
#include <iostream>

#include "app/utf8_text.h"
#include "device/errors.h"
#include "language/message.h"
#include "screens/control_names.h"

namespace app {
namespace {

constexpr int kLiveClockIntervalMs = 100;

}  // namespace

Program::Program(device::FileSystem& file_system, const device::Clock& clock, FrontEnd& front_end)
    : file_system_(file_system), clock_(clock), front_end_(front_end) {}

Program::~Program() {
  CloseWindow();
}

void Program::Run(const std::function<void()>& handler) {
  if (exit_status_) return;
  if (running_handlers_ == 0) closed_.clear();
  struct Running {
    int& count;
    explicit Running(int& running) : count(++running) {}
    ~Running() { --count; }
  } running(running_handlers_);
  try {
    handler();
  } catch (const device::FileError& error) {
    Fail(error.what(), error.english(), kExitFileError);
  } catch (const device::RuntimeFailure& error) {
    Fail(error.what(), error.english(), kExitRuntimeFailure);
  } catch (const std::exception& error) {
    const language::Message message(language::ToTranslate("Unexpected error: {1}"), {error.what()});
    Fail(message.Shown(), message.English(), kExitRuntimeFailure);
  }
}

void Program::OnClick(Window& window, std::string_view button, std::function<void()> handler) {
  window.OnClick(button, [this, handler = std::move(handler)] { Run(handler); });
}

void Program::StartLiveClock(Window& window) {
  window.StartTimer(kLiveClockIntervalMs, [this, &window] {
    window.SetText(screens::kClockLabel, device::FormatLiveClock(clock_.Now()));
  });
}

WriteRecord& Program::BeginWrite() {
  write_.emplace();
  write_->root = file_system_.root();
  return *write_;
}

void Program::EndWrite(int status, const std::string& message) {
  if (!write_) return;
  write_->status = status;
  write_->message = message;
  if (write_observer_) write_observer_(*write_);
  write_.reset();
}

void Program::Fail(const std::string& shown, const std::string& english, int status) {
  failure_in_english_ = english;
  // Told before the message, which a window shows until the user closes it.
  EndWrite(status, english);
  // A message can name a root or a file, whose control characters could drive the terminal.
  std::cerr << Printable(shown) << std::endl;
  front_end_.ShowMessage(shown);
  End(status);
}

void Program::End(int status) {
  if (exit_status_) return;
  exit_status_ = status;
  EndWrite(status, {});
  CloseWindow();
  front_end_.Quit(status);
}

void Program::CloseWindow() {
  if (!window_) return;
  window_->Close();
  closed_.push_back(std::move(window_));
}

void Program::Show(std::unique_ptr<Window> window, const screens::ScreenDescription* screen) {
  CloseWindow();
  if (exit_status_) return;
  window_ = std::move(window);
  screen_ = screen;
  window_->OnClosedByUser([this] { End(kExitDone); });
  window_->Show();
}

}  // namespace app
