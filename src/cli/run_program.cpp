#include "cli/run_program.h"

#include <iostream>
#include <optional>

#include "app/program.h"
#include "app/run_window.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "cli/history_recorder.h"
#include "cli/language_option.h"
#include "cli/options.h"
#include "cli/run_command_line.h"
#include "cli/texts.h"
#include "device/clock.h"
#include "language/system_language.h"

namespace cli {

int RunProgram(app::FrontEnd& front_end, const std::vector<std::string>& given,
               const std::filesystem::path& program_folder,
               const device::VolumeSource& recorder_volumes, const WatchSystemMaker& watch_system) {
  std::vector<std::string> arguments = given;
  // The user's own language first, so that a wrong --language is told in the language of the
  // usage lines after it.
  language::UseLanguage(language::SystemLanguage());
  const LanguageOption chosen = TakeLanguageOption(arguments);
  if (chosen.language) language::UseLanguage(*chosen.language);
  if (chosen.wrong) {
    std::cerr << UsageErrorText(app::Printable(*chosen.wrong)) << std::endl;
    return app::kExitUsage;
  }
  device::SystemClock clock;
  // Options never touch the front end, so that they need no display.
  if (HasOptions(arguments)) {
    return RunCommandLine(arguments, {program_folder, recorder_volumes, clock, watch_system});
  }
  const app::WriteObserver history =
      TakeNoHistory(arguments) ? app::WriteObserver() : HistoryObserver("window", clock);
  if (arguments.size() > 1) {
    std::cerr << WindowUsageText() << std::endl;
    if (front_end.ShowsFailuresBeforeWindow()) front_end.ShowMessage(WindowUsageText());
    return app::kExitUsage;
  }
  std::optional<std::filesystem::path> root;
  if (!arguments.empty()) root = app::RootFromArgument(arguments.front());
  return app::RunWindow(front_end, root, program_folder, recorder_volumes, history);
}

}  // namespace cli
