#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "device/clock.h"
#include "device/file_system.h"
#include "ui/message_box.h"
#include "ui/screen_window.h"

namespace app {

// Exit statuses of the program.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitRuntimeFailure = 2;
inline constexpr int kExitUsage = 64;

// The running program: the device, the clock, the one open window, and the one place where a
// failure becomes a message box and an exit status.
class Program : public QObject {
  Q_OBJECT

 public:
  using Quit = std::function<void(int status)>;

  Program(device::FileSystem& file_system, const device::Clock& clock, ui::MessageBox& message_box,
          Quit quit);
  ~Program() override;

  device::FileSystem& file_system() { return file_system_; }
  const device::Clock& clock() const { return clock_; }

  // Runs an event handler. A file error shows the screen's message and ends the program with
  // status 1; a run-time failure shows a message naming it and ends with status 2. Once the
  // program has ended no handler runs.
  void Run(const std::function<void()>& handler);

  // Ends the program at once: the open window closes and the event loop stops.
  void End(int status);

  // Closes the open window, then shows `window` in its place.
  void Show(std::unique_ptr<ui::ScreenWindow> window);
  // Closes the open window without ending the program, before the next one loads.
  void CloseWindow();

  ui::ScreenWindow* window() const { return window_.get(); }
  std::optional<int> exit_status() const { return exit_status_; }

 private:
  void Fail(const QString& text, int status);

  device::FileSystem& file_system_;
  const device::Clock& clock_;
  ui::MessageBox& message_box_;
  Quit quit_;
  std::unique_ptr<ui::ScreenWindow> window_;
  std::optional<int> exit_status_;
};

}  // namespace app
