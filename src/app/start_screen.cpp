#include "app/start_screen.h"

#include <memory>

#include "app/dispatch.h"
#include "device/clock_file.h"
#include "device/settings_line.h"
#include "device/start_guard.h"

namespace app {
namespace {

constexpr std::string_view kVoicePath = "\\VOICE";
constexpr int kModelCodeCount = 7;

using screens::ControlKind;

const screens::WindowLayout& Form1() {
  static const screens::WindowLayout layout = {
      "Form1",
      screens::kAppTitle,
      4680,
      2985,
      {
          {"Label1", ControlKind::kLabel, "", "", 480, 600, 3615, 495, 0, screens::kClockFont},
          {"Command1", ControlKind::kButton, "", "Start", 960, 1800, 2535, 855, 1,
           screens::kBoldFont},
      },
  };
  return layout;
}

}  // namespace

void ShowStartScreen(Program& program, bool clock_running) {
  std::unique_ptr<Window> window = program.front_end().CreateWindow(Form1());
  if (clock_running) program.StartLiveClock(*window);
  OnStartWriteDateOnly(program, *window);
  program.Show(std::move(window));
}

void OnStartWriteDateOnly(Program& program, Window& window) {
  program.OnClick(window, "Command1", [&program] {
    const device::StartGuard guard(program.file_system());
    device::WriteClockFile(program.file_system(), program.clock());
    program.End(kExitDone);
  });
}

void StartUp(Program& program) {
  device::FileSystem& file_system = program.file_system();
  // A root that cannot be read fails as such before "\VOICE" is looked at.
  device::CheckRootCanBeListed(file_system);
  if (file_system.EntryExists(kVoicePath)) {
    file_system.SetAttributes(kVoicePath, device::Attributes::kNormal);
  }
  ShowFirstScreen(program);
}

void ShowFirstScreen(Program& program) {
  const device::FileSystem& file_system = program.file_system();
  const auto path = device::FindSettingsFile(file_system);
  if (!path) {
    ShowStartScreen(program, true);
    return;
  }
  const device::SettingsLine line = device::ReadSettingsLine(file_system, path);
  for (int code = 0; code < kModelCodeCount; ++code) {
    if (!device::IsCode(line, device::kModelCodePosition, code)) continue;
    if (const ScreenOpener open = ScreenFor(code)) {
      open(program);
      return;
    }
    break;
  }
  ShowStartScreen(program, false);
}

}  // namespace app
