#include "app/basic_screen.h"

#include <memory>
#include <string>

#include "app/settings_screen.h"
#include "app/start_screen.h"
#include "device/errors.h"
#include "device/settings_line.h"
#include "screens/form3.h"
#include "screens/form4.h"
#include "screens/layout.h"

namespace app {
namespace {

using screens::ControlKind;

constexpr screens::Font kVersionFont{14.25, true};

const screens::WindowLayout& Form2() {
  static const screens::WindowLayout layout = {
      "Form2",
      screens::kAppTitle,
      4680,
      3495,
      {
          {"Command1", ControlKind::kButton, "", "Start", 960, 2280, 2535, 855, 0,
           screens::kBoldFont},
          {"Label1", ControlKind::kLabel, "", "", 480, 1320, 3615, 495, 1, screens::kClockFont},
          {"Command2", ControlKind::kButton, "", "Setting", 3600, 240, 855, 615, 2,
           screens::kDefaultFont},
          {"Label2", ControlKind::kLabel, "", "", 360, 360, 2895, 495, 3, kVersionFont},
      },
  };
  return layout;
}

// Setting: the model code read afresh chooses the Option Setting screen.
void OpenOptionSetting(Program& program) {
  const device::SettingsLine line = device::LookUpSettingsLine(program.file_system());
  if (device::IsCode(line, device::kModelCodePosition, 0)) {
    ShowSettingsScreen(program, screens::Form3());
  } else if (device::IsCode(line, device::kModelCodePosition, 1)) {
    ShowSettingsScreen(program, screens::Form4());
  } else {
    throw device::FileError(std::string(screens::kFileError));
  }
}

}  // namespace

void ShowBasicScreen(Program& program) {
  const device::SettingsLine line = device::LookUpSettingsLine(program.file_system());
  std::unique_ptr<Window> window = program.front_end().CreateWindow(Form2());
  window->SetText("Label2", line.VersionText());
  program.StartLiveClock(*window);
  OnStartWriteDateOnly(program, *window);
  program.OnClick(*window, "Command2", [&program] { OpenOptionSetting(program); });
  program.Show(std::move(window));
}

}  // namespace app
