#include "cli/run_command_line.h"

#include <algorithm>
#include <iostream>
#include <variant>

#include "app/device_root.h"
#include "app/program.h"
#include "app/utf8_text.h"
#include "cli/history_command.h"
#include "cli/history_recorder.h"
#include "cli/options.h"
#include "cli/outcome.h"
#include "cli/profile.h"
#include "cli/report.h"
#include "cli/roots.h"
#include "cli/show_command.h"
#include "cli/start_command.h"
#include "cli/texts.h"
#include "cli/undo_command.h"
#include "device/watch_lock.h"
#include "language/language.h"

namespace cli {
namespace {

using app::kExitDone;
using app::Printable;

int UsageError(const std::string& why) {
  std::cerr << UsageErrorText(Printable(why)) << std::endl;
  return app::kExitUsage;
}

// What records the writes of `kind` in the history, unless --no-history is given.
app::WriteObserver HistoryOf(const CommandLine& command_line, const std::string& kind,
                             const CommandEnvironment& environment) {
  if (command_line.no_history) return {};
  return HistoryObserver(kind, environment.clock);
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments,
                   const CommandEnvironment& environment) {
  const auto parsed = ParseCommandLine(arguments);
  if (const auto* why = std::get_if<std::string>(&parsed)) return UsageError(*why);
  const CommandLine& command_line = std::get<CommandLine>(parsed);
  if (command_line.action == CommandLine::Action::kHelp) {
    std::cout << HelpText() << std::flush;
    return kExitDone;
  }
  if (command_line.action == CommandLine::Action::kVersion) {
    std::cout << VersionText() << std::flush;
    return kExitDone;
  }

  // A profile that cannot be used ends the command before anything is written.
  Profile profile;
  if (!command_line.profile.empty()) {
    auto read = ReadProfile(command_line.profile);
    if (const auto* why = std::get_if<std::string>(&read))
      return Refuse(app::kExitUsage, *why).status;
    profile = std::move(std::get<Profile>(read));
  }

  if (command_line.action == CommandLine::Action::kWatch) {
    if (!environment.watch_system)
      return UsageError(
          std::string(language::Translate("--watch is not available in this program")));
    if (const auto refused = CheckWatchSets(command_line.sets)) return *refused;
    // One watch per user, held until this one ends: a second one (a login's watch and one started
    // by hand) would write every recorder again, with its own --set options.
    const device::WatchLock lock;
    if (lock.state() == device::WatchLock::State::kHeldByOther) {
      std::cerr << language::Translate("A watch is already running for this user; this one ends.")
                << std::endl;
      return kExitDone;
    }
    if (lock.state() == device::WatchLock::State::kUnavailable) {
      std::cerr << language::Fill(language::Translate("This watch cannot make sure that it is the "
                                                      "only one for this user ({1}); it goes on."),
                                  {Printable(lock.problem())})
                << std::endl;
    }
    const std::unique_ptr<WatchSystem> system = environment.watch_system();
    return RunWatch(command_line.sets, environment.recorder_volumes, *system, environment.clock,
                    profile, HistoryOf(command_line, "watch", environment));
  }
  if (command_line.action == CommandLine::Action::kHistory) return RunHistory(command_line);

  const auto roots = Roots(command_line, environment.program_folder, environment.recorder_volumes);
  if (const int* status = std::get_if<int>(&roots)) return *status;
  const std::vector<Root>& chosen = std::get<std::vector<Root>>(roots);
  const bool several = chosen.size() > 1 || command_line.all;
  const bool show = command_line.action == CommandLine::Action::kShow;
  int worst = kExitDone;
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    const Root& root = chosen[i];
    if (show && several && !command_line.json && i > 0) std::cout << "\n";
    Outcome outcome;
    if (const auto problem = app::RootProblem(root.path, root.shown)) {
      outcome = Refuse(problem->status, problem->message);
    } else if (show) {
      outcome = RunShow(root, command_line.json, environment.clock);
    } else if (command_line.action == CommandLine::Action::kUndo) {
      outcome = RunUndo(root, !command_line.no_history);
    } else {
      outcome = RunStart(root, command_line.sets, environment.clock, profile,
                         HistoryOf(command_line, "start", environment));
    }
    worst = std::max(worst, outcome.status);
    // Every root gets its JSON object, also the one root of a command that failed.
    if (show && command_line.json && outcome.status != kExitDone) {
      std::cout << FailureJson(root.shown, outcome.English()) << std::endl;
    } else if (several && (!show || outcome.status != kExitDone)) {
      std::string said = Printable(root.shown) + ": " + Printable(outcome.message);
      if (outcome.status == kExitDone) {
        // Translators: {1} a recorder's folder, or a write in the history.
        said = language::Fill(language::Translate("{1}: done"), {Printable(root.shown)});
      }
      std::cout << said << std::endl;
    }
  }
  return worst;
}

}  // namespace cli
