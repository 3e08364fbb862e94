#include "cli/outcome.h"

#include <iostream>

#include "app/utf8_text.h"

namespace cli {

Outcome Refuse(int status, const std::string& message) {
  std::cerr << app::Printable(message) << std::endl;
  return {status, message};
}

}  // namespace cli
