#pragma once

#include <string>
#include <string_view>

namespace device {

// The device path of the temporary file that WriteLine fills before renaming it over `target`.
// Later attempts take a new name when an earlier run left one behind.
inline std::string TemporaryNameFor(std::string_view target, int attempt) {
  std::string name(target);
  name += ".tmp";
  if (attempt > 0) name += std::to_string(attempt);
  return name;
}

}  // namespace device
