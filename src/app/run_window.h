#pragma once

#include <filesystem>
#include <optional>

#include "app/front_end.h"
#include "app/write_record.h"
#include "device/root_search.h"

namespace app {

// The program in its window over a front end, on `root`. Without a root it is the program's
// folder when that looks like a recorder's root, else the one recorder among `recorder_volumes`,
// the one of several that the user picks with the front end's chooser, or the program's folder
// where it lies on a drive a recorder could be. Otherwise the waiting window (waiting_window.h)
// stands in until a recorder is plugged in or the user chooses a folder.
// Returns the exit status: 0 done (also when the user declines to choose a recorder or cancels
// the waiting), 1 a file error, 2 a run-time failure (a root that cannot be looked at among
// them), 64 a root that is not a folder. `observer`, if any, is told of the write of a Start.
int RunWindow(FrontEnd& front_end, const std::optional<std::filesystem::path>& root,
              const std::filesystem::path& program_folder,
              const device::VolumeSource& recorder_volumes, const WriteObserver& observer = {});

}  // namespace app
