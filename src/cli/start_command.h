#pragma once

#include <string>
#include <vector>

#include "cli/outcome.h"
#include "cli/profile.h"
#include "cli/roots.h"
#include "cli/set_matching.h"
#include "device/clock.h"

namespace cli {

// --start on one root: what Start on its first screen does in the window, after `sets` and the
// entries of `profile` that the recorder's screen shows (the others are named on stderr).
Outcome RunStart(const Root& root, const std::vector<SetRequest>& sets, const device::Clock& clock,
                 const Profile& profile = {});

// The same for --watch, which sets the clock in any case: a set that the recorder's screen does
// not take is left out, with its reason in `left_out`, and the others apply.
Outcome RunWatchStart(const Root& root, const std::vector<SetRequest>& sets,
                      const device::Clock& clock, std::vector<std::string>& left_out,
                      const Profile& profile = {});

}  // namespace cli
