#include "cli/watch_command.h"

#include <filesystem>
#include <iostream>
#include <string>

#include "app/program.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "cli/outcome.h"
#include "cli/plug_ins.h"
#include "cli/start_command.h"
#include "language/language.h"
#include "screens/program_text.h"

namespace cli {
namespace {

using app::Printable;
using language::Fill;
using language::Translate;

// The line on stdout for a recorder: done, with the sets it left out, if any, or what went wrong.
std::string Line(const std::string& shown, const Outcome& outcome) {
  if (outcome.status != app::kExitDone) return shown + ": " + Printable(outcome.message);
  if (outcome.message.empty()) return Fill(Translate("{1}: done"), {shown});
  return Fill(Translate("{1}: done; {2}"), {shown, Printable(outcome.message)});
}

// The notification for a recorder, with the clock's warning, if any, on a line of its own.
std::string Notification(const std::string& shown, const Outcome& outcome) {
  if (outcome.status != app::kExitDone) {
    return Fill(Translate("The recorder's clock could not be set ({1}): {2}"),
                {shown, Printable(outcome.message)});
  }
  std::string text = outcome.message.empty()
                         ? Fill(Translate("The recorder's clock is set ({1})."), {shown})
                         : Fill(Translate("The recorder's clock is set ({1}); {2}."),
                                {shown, Printable(outcome.message)});
  if (!outcome.warning.empty()) text += "\n" + outcome.warning;
  return text;
}

void Report(const Root& root, const Outcome& outcome, WatchSystem& system) {
  const std::string shown = Printable(root.shown);
  // Standard output that fails (its reader gone: `--watch | head -1`) ends no watch: its lines
  // stop, and standard error says so once.
  if (std::cout) {
    std::cout << Line(shown, outcome) << std::endl;
    if (!std::cout)
      std::cerr << Translate(
                       "Standard output can no longer be written; the watch goes on without its "
                       "lines.")
                << std::endl;
  }
  system.Notify(screens::kProgramName, Notification(shown, outcome));
}

// Handles the first plug-in of a look that is a recorder or cannot be read, if any: writes it, or
// tells that it cannot be read. Notes what left meanwhile. Returns whether there was one.
bool HandleNext(PlugIns& plug_ins, const std::vector<SetRequest>& sets, const Profile& profile,
                const device::VolumeSource& volume_source, WatchSystem& system,
                const device::Clock& clock, const app::WriteObserver& observer) {
  const std::vector<device::Volume> volumes = volume_source();
  const std::vector<device::Volume> not_handled = plug_ins.NotHandled(volumes);
  if (not_handled.empty()) return false;
  system.WatchDepartures(MountsOf(volumes));
  bool handled = false;
  for (const device::Volume& volume : not_handled) {
    // A drive that is no recorder is left alone, and looked at again at the next look.
    const device::RootLook look = device::LookAtRoot(volume.mount_point);
    if (look.kind == device::RootLook::Kind::kOther) continue;
    const Root root{app::Utf8(volume.mount_point), volume.mount_point};
    Outcome outcome;
    if (look.kind == device::RootLook::Kind::kUnreadable) {
      outcome = {app::kExitRuntimeFailure,
                 Fill(Translate("cannot be read ({1}); nothing was written"), {look.reason})};
    } else {
      std::vector<std::string> left_out;
      outcome = RunWatchStart(root, sets, clock, left_out, profile, observer);
      if (outcome.status == app::kExitDone && !left_out.empty()) {
        std::string not_applied;
        for (std::size_t i = 0; i < left_out.size(); ++i)
          not_applied += (i == 0 ? "" : "; ") + left_out[i];
        outcome.message = Fill(Translate("not applied: {1}"), {not_applied});
      }
    }
    Report(root, outcome, system);
    plug_ins.Handled(volume);
    handled = true;
    break;
  }
  plug_ins.Left(system.Departed());
  return handled;
}

}  // namespace

int RunWatch(const std::vector<SetRequest>& sets, const device::VolumeSource& recorder_volumes,
             WatchSystem& system, const device::Clock& clock, const Profile& profile,
             const app::WriteObserver& observer) {
  std::cerr << Translate("Watching for recorders to be plugged in; Ctrl+C stops.") << std::endl;
  PlugIns plug_ins;
  do {
    // One recorder at a time, each after a look of its own: a recorder that left and came back
    // while another was written is a plug-in of its own.
    while (HandleNext(plug_ins, sets, profile, recorder_volumes, system, clock, observer)) {
    }
  } while (system.WaitForChange());
  return app::kExitDone;
}

std::optional<int> CheckWatchSets(const std::vector<SetRequest>& sets) {
  const std::optional<std::string> refused = NameNoScreenHas(sets);
  if (!refused) return std::nullopt;
  return Refuse(app::kExitUsage, *refused).status;
}

}  // namespace cli
