#include "cli/outcome.h"

#include <iostream>

#include "app/utf8_text.h"

namespace cli {

Outcome Refuse(int status, const std::string& message) {
  std::cerr << app::Printable(message) << std::endl;
  return {status, message};
}

Outcome Refuse(int status, const language::Message& message) {
  Outcome outcome = Refuse(status, message.Shown());
  outcome.english = message.English();
  return outcome;
}

Outcome Refuse(int status, const device::Failure& failure) {
  Outcome outcome = Refuse(status, failure.what());
  outcome.english = failure.english();
  return outcome;
}

}  // namespace cli
