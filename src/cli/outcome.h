#pragma once

#include <string>

#include "app/program.h"
#include "device/errors.h"
#include "language/message.h"

namespace cli {

// How a command ended on one root.
struct Outcome {
  int status = app::kExitDone;
  std::string message;    // what went wrong, already on stderr, in the language in use
  std::string warning{};  // what a person should know of a Start that was done, already on stderr
  // `message` in English in every language, for the history and --json; "" where the command
  // gives none (a refusal that nothing records): then the message itself.
  std::string english{};

  const std::string& English() const { return english.empty() ? message : english; }
};

// A failure that the command itself reports: the message goes to stderr in its printable form,
// as Program prints its own.
Outcome Refuse(int status, const std::string& message);
Outcome Refuse(int status, const language::Message& message);
Outcome Refuse(int status, const device::Failure& failure);

}  // namespace cli
