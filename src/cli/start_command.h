#pragma once

#include <string>
#include <vector>

#include "app/write_record.h"
#include "cli/outcome.h"
#include "cli/profile.h"
#include "cli/roots.h"
#include "cli/set_matching.h"
#include "device/clock.h"

namespace cli {

// --start on one root: what Start on its first screen does in the window, after `sets` and the
// entries of `profile` that the recorder's screen shows (the others are named on stderr).
// `observer`, if any, is told of the write (not of sets refused, when nothing is written).
Outcome RunStart(const Root& root, const std::vector<SetRequest>& sets, const device::Clock& clock,
                 const Profile& profile = {}, const app::WriteObserver& observer = {});

// The same for --watch, which sets the clock in any case: a set that the recorder's screen does
// not take is left out, with its reason in `left_out`, and the others apply.
Outcome RunWatchStart(const Root& root, const std::vector<SetRequest>& sets,
                      const device::Clock& clock, std::vector<std::string>& left_out,
                      const Profile& profile = {}, const app::WriteObserver& observer = {});

}  // namespace cli
