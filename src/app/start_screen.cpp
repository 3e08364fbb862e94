#include "app/start_screen.h"

#include <memory>
#include <optional>
#include <string>

#include "device/clock_file.h"
#include "device/errors.h"
#include "device/settings_line.h"
#include "device/start_guard.h"
#include "screens/control_names.h"
#include "screens/form1.h"

namespace app {
namespace {

// The settings line that a Start without settings leaves as it is, for its record (model and
// version); none without a settings file. A line that cannot be read fails no Start that does not
// need it.
std::optional<std::string> UnchangedSettingsLine(const device::FileSystem& file_system) {
  try {
    if (const auto path = device::FindSettingsFile(file_system))
      return device::ReadSettingsLine(file_system, path).bytes();
  } catch (const device::RuntimeFailure&) {
  }
  return std::nullopt;
}

}  // namespace

void ShowStartScreen(Program& program, bool clock_running) {
  std::unique_ptr<Window> window = program.front_end().CreateWindow(screens::Form1());
  if (clock_running) program.StartLiveClock(*window);
  OnStartWriteDateOnly(program, *window);
  program.Show(std::move(window));
}

void OnStartWriteDateOnly(Program& program, Window& window) {
  program.OnClick(window, screens::kStartButton, [&program] {
    WriteRecord& record = program.BeginWrite();
    const device::StartGuard guard(program.file_system());
    record.settings_before = UnchangedSettingsLine(program.file_system());
    record.clock_written = device::WriteClockFile(program.file_system(), program.clock());
    program.End(kExitDone);
  });
}

}  // namespace app
