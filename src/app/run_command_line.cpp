#include "app/run_command_line.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <system_error>
#include <variant>

#include "app/command_line.h"
#include "app/command_session.h"
#include "app/program.h"
#include "app/show_report.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "device/device_lock.h"
#include "device/errors.h"
#include "device/settings_line.h"
#include "screens/control_names.h"
#include "screens/screen_table.h"

namespace app {
namespace {

struct Root {
  std::string shown;  // UTF-8, as given or found
  std::filesystem::path path;
};

struct Outcome {
  int status = kExitDone;
  std::string message;  // what went wrong, already on stderr
};

// A failure that the command itself reports: the message goes to stderr in its printable form,
// as Program prints its own.
Outcome Refuse(int status, const std::string& message) {
  std::cerr << Printable(message) << std::endl;
  return {status, message};
}

// Start as the window does it, after the sets. They are checked first on a session that cannot
// change the device, so that a refused one changes nothing, not even "\VOICE".
Outcome Start(const Root& root, const CommandLine& command_line, const device::Clock& clock) {
  // Another Start on this recorder, in a window or a script, ends before this one reads the
  // device, so the sets apply to the settings line as it is now. Start, clicked below, takes the
  // lock once more.
  std::optional<device::DeviceLock> lock;
  try {
    lock.emplace(root.path);
  } catch (const device::RuntimeFailure& failure) {
    return Refuse(kExitRuntimeFailure, failure.what());
  }
  {
    CommandSession check(root.path, clock, CommandSession::Access::kReadOnly);
    check.Open();
    if (!command_line.sets.empty()) check.OpenSettings();
    if (const auto status = check.exit_status()) return {*status, check.failure()};
    if (auto refused = ApplySets(check.screen(), check.window()->state(), command_line.sets))
      return Refuse(kExitUsage, *refused);
  }
  CommandSession session(root.path, clock, CommandSession::Access::kReadWrite);
  session.Open();
  if (!command_line.sets.empty()) session.OpenSettings();
  if (!session.exit_status()) {
    // The device changed since the check: refused as the check would refuse it now.
    if (auto refused = ApplySets(session.screen(), session.window()->state(), command_line.sets))
      return Refuse(kExitUsage, *refused);
    session.Click(screens::kStartButton);
  }
  return {session.exit_status().value_or(kExitRuntimeFailure), session.failure()};
}

Outcome Show(const Root& root, const CommandLine& command_line, const device::Clock& clock) {
  CommandSession session(root.path, clock, CommandSession::Access::kReadOnly);
  session.Open();
  session.OpenSettings();
  if (const auto status = session.exit_status()) return {*status, session.failure()};

  ShowReport report{
      root.shown, std::nullopt, std::string(session.window()->layout().name), std::nullopt, {}};
  try {
    if (const auto path = device::FindSettingsFile(session.file_system())) {
      const device::SettingsLine line = device::ReadSettingsLine(session.file_system(), path);
      report.model = screens::ModelCode(line);
      report.version = std::string(line.VersionText());
    }
  } catch (const device::RuntimeFailure& failure) {
    return Refuse(kExitRuntimeFailure, failure.what());
  }
  if (const screens::ScreenDescription* screen = session.screen()) {
    for (ShownSetting& setting : SettingsOf(*screen, session.window()->state())) {
      if (setting.shown) report.settings.push_back(std::move(setting));
    }
  }
  std::cout << (command_line.json ? ShowJson(report) + "\n" : ShowText(report)) << std::flush;
  return {};
}

bool IsFolder(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

// Every recorder plugged in, and the program's folder where it is a recorder's root of its own.
std::vector<Root> EveryRecorder(const CommandEnvironment& environment) {
  std::vector<Root> roots;
  const auto take = [&roots](const std::filesystem::path& path) {
    if (!device::LooksLikeRecorderRoot(path)) return;
    if (std::any_of(roots.begin(), roots.end(),
                    [&](const Root& root) { return SameFolder(root.path, path); }))
      return;
    roots.push_back({Utf8(path), path});
  };
  take(environment.program_folder);
  for (const device::Volume& volume : environment.recorder_volumes()) take(volume.mount_point);
  return roots;
}

// The roots to work on, or the exit status of a search that found none to take.
std::variant<std::vector<Root>, int> Roots(const CommandLine& command_line,
                                           const CommandEnvironment& environment) {
  std::vector<Root> roots;
  for (const std::string& root : command_line.roots)
    roots.push_back({root, RootFromArgument(root)});
  if (!roots.empty()) return roots;
  if (command_line.all) {
    roots = EveryRecorder(environment);
    if (!roots.empty()) return roots;
    std::cerr << "No recorder is plugged in." << std::endl;
    return kExitUsage;
  }
  const device::RootChoice choice = device::ChooseDeviceRoot(
      environment.program_folder, environment.recorder_volumes, device::LooksLikeRecorderRoot);
  if (choice.kind != device::RootChoice::Kind::kChoose) {
    return std::vector<Root>{{Utf8(choice.root), choice.root}};
  }
  std::cerr << "Several recorders are plugged in. Name one as DEVICE_ROOT, or give --all for "
               "every one:\n";
  for (const device::Volume& volume : choice.candidates) {
    std::cerr << "  " << Printable(Utf8(volume.mount_point));
    if (!volume.label.empty()) std::cerr << "  (" << Printable(volume.label) << ")";
    std::cerr << "\n";
  }
  std::cerr << std::flush;
  return kExitUsage;
}

int UsageError(const std::string& why) {
  std::cerr << "datetime-cfg-creator: " << Printable(why) << "\n"
            << UsageText() << "Try 'datetime-cfg-creator --help' for more information."
            << std::endl;
  return kExitUsage;
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

  const auto roots = Roots(command_line, environment);
  if (const int* status = std::get_if<int>(&roots)) return *status;
  const std::vector<Root>& chosen = std::get<std::vector<Root>>(roots);
  const bool several = chosen.size() > 1 || command_line.all;
  const bool show = command_line.action == CommandLine::Action::kShow;
  int worst = kExitDone;
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    const Root& root = chosen[i];
    if (show && several && !command_line.json && i > 0) std::cout << "\n";
    Outcome outcome;
    if (!IsFolder(root.path)) {
      outcome = Refuse(kExitUsage, "The device root \"" + root.shown + "\" is not a folder.");
    } else if (show) {
      outcome = Show(root, command_line, environment.clock);
    } else {
      outcome = Start(root, command_line, environment.clock);
    }
    worst = std::max(worst, outcome.status);
    // Every root gets its JSON object, also the one root of a command that failed.
    if (show && command_line.json && outcome.status != kExitDone) {
      std::cout << FailureJson(root.shown, outcome.message) << std::endl;
    } else if (several && (!show || outcome.status != kExitDone)) {
      std::cout << Printable(root.shown) << ": "
                << (outcome.status == kExitDone ? "done" : Printable(outcome.message)) << std::endl;
    }
  }
  return worst;
}

}  // namespace app
