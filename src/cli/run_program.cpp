#include "cli/run_program.h"

#include <iostream>
#include <optional>

#include "app/program.h"
#include "app/run_window.h"
#include "app/utf8_path.h"
#include "cli/options.h"
#include "cli/run_command_line.h"
#include "cli/texts.h"
#include "device/clock.h"
#include "language/system_language.h"

namespace cli {

int RunProgram(app::FrontEnd& front_end, const std::vector<std::string>& arguments,
               const std::filesystem::path& program_folder,
               const device::VolumeSource& recorder_volumes, const WatchSystemMaker& watch_system) {
  language::UseLanguage(language::SystemLanguage());
  // Options never touch the front end, so that they need no display.
  if (HasOptions(arguments)) {
    device::SystemClock clock;
    return RunCommandLine(arguments, {program_folder, recorder_volumes, clock, watch_system});
  }
  if (arguments.size() > 1) {
    std::cerr << WindowUsageText() << std::endl;
    if (front_end.ShowsFailuresBeforeWindow()) front_end.ShowMessage(WindowUsageText());
    return app::kExitUsage;
  }
  std::optional<std::filesystem::path> root;
  if (!arguments.empty()) root = app::RootFromArgument(arguments.front());
  return app::RunWindow(front_end, root, program_folder, recorder_volumes);
}

}  // namespace cli
