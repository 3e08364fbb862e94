#include "app/settings_screen.h"

#include <memory>
#include <optional>
#include <string>

#include "device/errors.h"
#include "device/settings_line.h"
#include "device/start_guard.h"
#include "device/write_back.h"
#include "language/message.h"
#include "screens/control_names.h"
#include "screens/program_text.h"
#include "screens/screen_table.h"

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
  const std::optional<int> model = screens::ModelCode(line);
  program.OnClick(*window, screens::kStartButton, [&program, &screen, &shown, model] {
    const std::string block = screens::Block(screen, shown.CurrentState());
    WriteRecord& record = program.BeginWrite();
    const device::StartGuard guard(program.file_system());
    // A recorder of another model now (swapped while the window was open) gets nothing: this
    // screen's block would corrupt its settings line.
    const auto same_model = [model](const device::SettingsLine& fresh) {
      if (screens::ModelCode(fresh) != model) {
        throw device::RuntimeFailure(language::Message(screens::kRecorderChangedMessage));
      }
    };
    device::SettingsWritten written;
    // What reached the device goes into the record, also when a step fails.
    const auto note = [&record, &written] {
      record.clock_written = written.clock_time;
      record.settings_before = written.before;
      record.settings_after = written.after;
      record.settings_file = written.file;
    };
    try {
      device::CommitSettings(program.file_system(), program.clock(), block, same_model, &written);
    } catch (...) {
      note();
      throw;
    }
    note();
    program.End(kExitDone);
  });
  program.Show(std::move(window), &screen);
}

}  // namespace app
