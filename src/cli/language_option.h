#pragma once

#include <optional>
#include <string>
#include <vector>

#include "language/language.h"

namespace cli {

// What --language asked for: the language, or why the command line is wrong.
struct LanguageOption {
  std::optional<language::Language> language;  // none: the user's own
  std::optional<std::string> wrong;            // a usage error
};

// Takes --language CODE (or --language=CODE) out of `arguments`, wherever it stands before "--",
// so that it goes with every mode and with the window: the texts a person reads are in CODE, one
// of "ko", "ja" and "en".
LanguageOption TakeLanguageOption(std::vector<std::string>& arguments);

}  // namespace cli
