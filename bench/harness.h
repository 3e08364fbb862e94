#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"
#include "device/clock.h"
#include "device/file_system.h"
#include "ui/qt/front_end.h"
#include "ui/qt/screen_window.h"

namespace bench {

// The real program on a device root, with the system clock; a message box only records its
// text, so that a measurement can report what went wrong instead of waiting for a click.
class AppOnDevice {
 public:
  explicit AppOnDevice(const std::filesystem::path& root);

  app::Program& program() { return program_; }
  // The program's window on screen, or none.
  ui::qt::ScreenWindow* window() const { return front_end_.OpenWindow(); }
  // What went wrong so far: a message shown, or the wrong window (or none) open.
  std::optional<std::string> Fault(std::string_view expected_window) const;
  // What went wrong if the program did not end normally.
  std::optional<std::string> EndFault() const;

 private:
  class RecordingFrontEnd : public ui::qt::FrontEnd {
   public:
    void ShowMessage(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
  };

  device::FileSystem file_system_;
  device::SystemClock clock_;
  RecordingFrontEnd front_end_;
  app::Program program_;
};

// Makes the root hold only a "VOICE" folder and, unless `line` is empty, "ravlen_setting.ini"
// with that line; then flushes the volume, so that no measured flush also pays for the
// preparation.
void PrepareDevice(const std::filesystem::path& root, std::string_view line);

// Runs the event loop until `window` has painted itself once (it must already be shown).
bool WaitUntilPainted(QWidget& window);

// Deletes the windows that were closed with deleteLater.
void FlushDeletes();

// True when no top-level window is left over from an earlier measurement.
bool NoWindowsLeft();

// CPU time of the whole process, in seconds.
double ProcessCpuSeconds();

}  // namespace bench
