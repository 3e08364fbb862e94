#pragma once

// Settings lines, the first line of a recorder's settings file, for the tests, the benchmarks, the
// fuzzer and the tools. Characters are counted from 1, as the program counts them.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace support {

// The parts of a settings line, each as given (no length is checked, so that a test can build a
// line that is short or out of shape). The defaults make a model 0 line with every capability
// flag "1" and every setting "0".
struct SettingsLineParts {
  char model = '0';                         // 1
  char after_model = '0';                   // 2
  std::string flags = "11111111111111";     // 3 to 16: the capability flags
  char after_flags = '0';                   // 17
  std::string block = "00000000000000";     // 18 to 31: the settings
  char after_block = '0';                   // 32
  std::string version = "VERSION 1.0.0.A";  // 33 on: the version text and whatever follows it
};

inline std::string BuildSettingsLine(const SettingsLineParts& parts) {
  return std::string(1, parts.model) + parts.after_model + parts.flags + parts.after_flags +
         parts.block + parts.after_block + parts.version;
}

// `line` with the character at each position changed: (position counted from 1, character).
using LineChanges = std::vector<std::pair<int, char>>;

inline std::string WithChanges(std::string line, const LineChanges& changes) {
  for (const auto& [position, character] : changes) {
    line.at(static_cast<std::size_t>(position - 1)) = character;
  }
  return line;
}

}  // namespace support
