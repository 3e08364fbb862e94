#include "app/start_up.h"

#include <optional>

#include "app/basic_screen.h"
#include "app/settings_screen.h"
#include "app/start_screen.h"
#include "device/recorder_files.h"
#include "device/settings_line.h"
#include "screens/screen_table.h"

namespace app {
void StartUp(Program& program) {
  device::FileSystem& file_system = program.file_system();
  // A root that cannot be read fails as such before "\VOICE" is looked at.
  device::CheckRootCanBeListed(file_system);
  if (file_system.EntryExists(device::kVoicePath)) {
    file_system.SetAttributes(device::kVoicePath, device::Attributes::kNormal);
  }
  ShowFirstScreen(program);
}

void ShowFirstScreen(Program& program) {
  const device::FileSystem& file_system = program.file_system();
  std::optional<device::SettingsLine> line;
  if (const auto path = device::FindSettingsFile(file_system)) {
    line = device::ReadSettingsLine(file_system, path);
  }
  const screens::ShownScreen shown = screens::ScreenFor(line);
  switch (shown.kind) {
    case screens::ShownScreen::Kind::kStartScreen:
      return ShowStartScreen(program, true);
    case screens::ShownScreen::Kind::kNoModelScreen:
      return ShowStartScreen(program, false);
    case screens::ShownScreen::Kind::kBasicScreen:
      return ShowBasicScreen(program);
    case screens::ShownScreen::Kind::kSettingsScreen:
      return ShowSettingsScreen(program, *shown.settings);
  }
}

}  // namespace app
