#pragma once

#include "cli/outcome.h"
#include "cli/roots.h"

namespace cli {

// --undo on one root: writes back the settings line that the recorder had before its last Start
// from this PC that changed it (history_file.h), with the lock and flushes of a Start, leaving the
// clock file alone. Refuses with 64 where the history has no such Start, where that change was
// already undone, or where the recorder's line is no longer the one that Start wrote. Recorded as
// a write of kind "undo" unless `record` is false.
Outcome RunUndo(const Root& root, bool record);

}  // namespace cli
