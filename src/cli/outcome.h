#pragma once

#include <string>

#include "app/program.h"

namespace cli {

// How a command ended on one root.
struct Outcome {
  int status = app::kExitDone;
  std::string message;    // what went wrong, already on stderr
  std::string warning{};  // what a person should know of a Start that was done, already on stderr
};

// A failure that the command itself reports: the message goes to stderr in its printable form,
// as Program prints its own.
Outcome Refuse(int status, const std::string& message);

}  // namespace cli
