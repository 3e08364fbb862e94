#pragma once

#include "cli/options.h"

namespace cli {

// --history [--json] [DEVICE_ROOT]: prints the history of writes, oldest first; with a root only
// that recorder's writes (IsOfRecorder). --json prints the lines as they are kept. Returns the
// exit status: 2 where the history cannot be read.
int RunHistory(const CommandLine& command_line);

}  // namespace cli
