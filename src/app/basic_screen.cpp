#include "app/basic_screen.h"

#include <memory>
#include <string>

#include "app/settings_screen.h"
#include "app/start_screen.h"
#include "app/utf8_text.h"
#include "device/errors.h"
#include "device/settings_line.h"
#include "language/message.h"
#include "screens/control_names.h"
#include "screens/form2.h"
#include "screens/screen_table.h"

namespace app {
namespace {

// Setting: the model code read afresh chooses the Option Setting screen.
void OpenOptionSetting(Program& program) {
  const screens::ShownScreen shown =
      screens::ScreenFor(device::LookUpSettingsLine(program.file_system()));
  if (shown.kind != screens::ShownScreen::Kind::kBasicScreen) {
    throw device::FileError(language::Message(screens::kFileError));
  }
  ShowSettingsScreen(program, *shown.settings);
}

}  // namespace

void ShowBasicScreen(Program& program) {
  const device::SettingsLine line = device::LookUpSettingsLine(program.file_system());
  std::unique_ptr<Window> window = program.front_end().CreateWindow(screens::Form2());
  window->SetText(screens::kVersionLabel, Utf8FromLatin1(line.VersionText()));
  program.StartLiveClock(*window);
  OnStartWriteDateOnly(program, *window);
  program.OnClick(*window, screens::kSettingButton, [&program] { OpenOptionSetting(program); });
  program.Show(std::move(window));
}

}  // namespace app
