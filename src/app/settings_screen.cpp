#include "app/settings_screen.h"

#include <QPushButton>

#include "device/settings_line.h"
#include "device/write_back.h"

namespace app {

void ShowSettingsScreen(Program& program, const screens::ScreenDescription& screen) {
  // The screen that opened this one is gone before this one loads, also when the load fails.
  program.CloseWindow();
  const device::SettingsLine line = device::LookUpSettingsLine(program.file_system());
  const screens::ScreenState state = screens::Load(screen, line);

  auto window = std::make_unique<ui::ScreenWindow>(screen.window);
  window->Apply(state);
  window->StartLiveClock(program.clock());
  ui::ScreenWindow* shown = window.get();
  auto* start = shown->findChild<QPushButton*>(QStringLiteral("Command1"));
  QObject::connect(start, &QPushButton::clicked, &program, [&program, &screen, shown] {
    program.Run([&program, &screen, shown] {
      const std::string block = screens::Block(screen, shown->CurrentState());
      device::CommitSettings(program.file_system(), program.clock(), block);
      program.End(kExitDone);
    });
  });
  program.Show(std::move(window));
}

}  // namespace app
