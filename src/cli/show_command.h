#pragma once

#include "cli/outcome.h"
#include "cli/roots.h"
#include "device/clock.h"

namespace cli {

// --show on one root: its report on stdout, as text or as one JSON line. Writes nothing.
Outcome RunShow(const Root& root, bool json, const device::Clock& clock);

}  // namespace cli
