#include "app/start_screen.h"

#include <memory>

#include "device/clock_file.h"
#include "device/start_guard.h"
#include "screens/control_names.h"
#include "screens/form1.h"

namespace app {

void ShowStartScreen(Program& program, bool clock_running) {
  std::unique_ptr<Window> window = program.front_end().CreateWindow(screens::Form1());
  if (clock_running) program.StartLiveClock(*window);
  OnStartWriteDateOnly(program, *window);
  program.Show(std::move(window));
}

void OnStartWriteDateOnly(Program& program, Window& window) {
  program.OnClick(window, screens::kStartButton, [&program] {
    const device::StartGuard guard(program.file_system());
    device::WriteClockFile(program.file_system(), program.clock());
    program.End(kExitDone);
  });
}

}  // namespace app
