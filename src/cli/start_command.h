#pragma once

#include <vector>

#include "cli/outcome.h"
#include "cli/roots.h"
#include "cli/set_matching.h"
#include "device/clock.h"

namespace cli {

// --start on one root: what Start on its first screen does in the window, after `sets`.
Outcome RunStart(const Root& root, const std::vector<SetRequest>& sets, const device::Clock& clock);

}  // namespace cli
