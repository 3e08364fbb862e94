#include "cli/watch_command.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>

#include "app/program.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "cli/start_command.h"
#include "screens/program_text.h"

namespace cli {
namespace {

using app::Printable;

bool Contains(const std::vector<std::filesystem::path>& paths, const std::filesystem::path& path) {
  return std::find(paths.begin(), paths.end(), path) != paths.end();
}

void Report(const Root& root, const Outcome& outcome, WatchSystem& system) {
  const std::string shown = Printable(root.shown);
  const bool done = outcome.status == app::kExitDone;
  // Standard output that fails (its reader gone: `--watch | head -1`) ends no watch: its lines
  // stop, and standard error says so once.
  if (std::cout) {
    std::cout << shown << ": " << (done ? "done" : Printable(outcome.message)) << std::endl;
    if (!std::cout)
      std::cerr << "Standard output can no longer be written; the watch goes on without its lines."
                << std::endl;
  }
  system.Notify(screens::kProgramName, done ? "The recorder's clock is set (" + shown + ")."
                                            : "The recorder's clock could not be set (" + shown +
                                                  "): " + Printable(outcome.message));
}

}  // namespace

int RunWatch(const std::vector<SetRequest>& sets, const device::VolumeSource& recorder_volumes,
             WatchSystem& system, const device::Clock& clock) {
  std::cerr << "Watching for recorders to be plugged in; Ctrl+C stops." << std::endl;
  // A recorder is written once while it stays plugged in: it leaves this list only when its
  // volume is gone, so plugging it in again writes it again.
  std::vector<std::filesystem::path> written;
  do {
    std::vector<std::filesystem::path> plugged_in;
    for (const device::Volume& recorder : device::RecorderVolumes(recorder_volumes()))
      plugged_in.push_back(recorder.mount_point);
    std::erase_if(written, [&](const auto& path) { return !Contains(plugged_in, path); });
    for (const std::filesystem::path& path : plugged_in) {
      if (Contains(written, path)) continue;
      written.push_back(path);
      const Root root{app::Utf8(path), path};
      Report(root, RunStart(root, sets, clock), system);
    }
  } while (system.WaitForChange());
  return app::kExitDone;
}

}  // namespace cli
