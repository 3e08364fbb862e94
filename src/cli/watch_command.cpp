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
#include "screens/program_text.h"

namespace cli {
namespace {

using app::Printable;

// What a Start that is done says after "done": the sets it left out, if any.
std::string Also(const Outcome& outcome) {
  return outcome.message.empty() ? "" : "; " + Printable(outcome.message);
}

void Report(const Root& root, const Outcome& outcome, WatchSystem& system) {
  const std::string shown = Printable(root.shown);
  const bool done = outcome.status == app::kExitDone;
  // Standard output that fails (its reader gone: `--watch | head -1`) ends no watch: its lines
  // stop, and standard error says so once.
  if (std::cout) {
    std::cout << shown << ": " << (done ? "done" + Also(outcome) : Printable(outcome.message))
              << std::endl;
    if (!std::cout)
      std::cerr << "Standard output can no longer be written; the watch goes on without its lines."
                << std::endl;
  }
  system.Notify(screens::kProgramName,
                done ? "The recorder's clock is set (" + shown + ")" + Also(outcome) + "." +
                           (outcome.warning.empty() ? "" : "\n" + outcome.warning)
                     : "The recorder's clock could not be set (" + shown +
                           "): " + Printable(outcome.message));
}

// Handles the first plug-in of a look that is a recorder or cannot be read, if any: writes it, or
// tells that it cannot be read. Notes what left meanwhile. Returns whether there was one.
bool HandleNext(PlugIns& plug_ins, const std::vector<SetRequest>& sets, const Profile& profile,
                const device::VolumeSource& volume_source, WatchSystem& system,
                const device::Clock& clock) {
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
                 "cannot be read (" + look.reason + "); nothing was written"};
    } else {
      std::vector<std::string> left_out;
      outcome = RunWatchStart(root, sets, clock, left_out, profile);
      if (outcome.status == app::kExitDone && !left_out.empty()) {
        outcome.message = "not applied: ";
        for (std::size_t i = 0; i < left_out.size(); ++i)
          outcome.message += (i == 0 ? "" : "; ") + left_out[i];
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
             WatchSystem& system, const device::Clock& clock, const Profile& profile) {
  std::cerr << "Watching for recorders to be plugged in; Ctrl+C stops." << std::endl;
  PlugIns plug_ins;
  do {
    // One recorder at a time, each after a look of its own: a recorder that left and came back
    // while another was written is a plug-in of its own.
    while (HandleNext(plug_ins, sets, profile, recorder_volumes, system, clock)) {
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
