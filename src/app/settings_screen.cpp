#include "app/settings_screen.h"

#include <memory>
#include <string>

#include "device/settings_line.h"
#include "device/start_guard.h"
#include "device/write_back.h"
#include "screens/control_names.h"

namespace app {

void ShowSettingsScreen(Program& program, const screens::ScreenDescription& screen) {
  // The screen that opened this one is gone before this one loads, also when the load fails.
  program.CloseWindow();
  const device::SettingsLine line = device::LookUpSettingsLine(program.file_system());
  const screens::ScreenState state = screens::Load(screen, line);

  std::unique_ptr<Window> window = program.front_end().CreateWindow(screen.window);
  window->Apply(state);
  program.StartLiveClock(*window);
  const Window& shown = *window;
  program.OnClick(*window, screens::kStartButton, [&program, &screen, &shown] {
    const std::string block = screens::Block(screen, shown.CurrentState());
    const device::StartGuard guard(program.file_system());
    device::CommitSettings(program.file_system(), program.clock(), block);
    program.End(kExitDone);
  });
  program.Show(std::move(window));
}

}  // namespace app
