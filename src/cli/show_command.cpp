#include "cli/show_command.h"

#include <iostream>
#include <optional>
#include <string>

#include "cli/report.h"
#include "cli/session.h"
#include "device/errors.h"
#include "device/settings_line.h"
#include "screens/screen_table.h"
#include "screens/shown_settings.h"

namespace cli {

Outcome RunShow(const Root& root, bool json, const device::Clock& clock) {
  Session session(root.path, clock, Session::Access::kReadOnly);
  session.Open();
  session.OpenSettings();
  if (session.exit_status()) return session.ending();

  ShowReport report{root.shown,   std::nullopt, std::string(session.window()->layout().name),
                    std::nullopt, {},           std::nullopt};
  try {
    if (const auto path = device::FindSettingsFile(session.file_system())) {
      const device::SettingsLine line = device::ReadSettingsLine(session.file_system(), path);
      report.model = screens::ModelCode(line);
      report.version = std::string(line.VersionText());
    }
  } catch (const device::RuntimeFailure& failure) {
    return Refuse(app::kExitRuntimeFailure, failure);
  }
  if (const device::ClockSync sync = clock.Synchronisation(); sync != device::ClockSync::kUnknown)
    report.pc_clock_synchronised = sync == device::ClockSync::kSynchronised;
  if (const screens::ScreenDescription* screen = session.screen()) {
    for (screens::ShownSetting& setting : screens::SettingsOf(*screen, session.window()->state())) {
      if (setting.shown) report.settings.push_back(std::move(setting));
    }
  }
  std::cout << (json ? ShowJson(report) + "\n" : ShowText(report)) << std::flush;
  return {};
}

}  // namespace cli
