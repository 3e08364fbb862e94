#include "cli/language_option.h"

#include <string_view>

#include "language/language.h"

namespace cli {
namespace {

constexpr std::string_view kName = "--language";

}  // namespace

LanguageOption TakeLanguageOption(std::vector<std::string>& arguments) {
  LanguageOption taken;
  std::optional<std::string> code;
  for (std::size_t i = 0; i < arguments.size();) {
    const std::string& argument = arguments[i];
    if (argument == "--") break;
    std::size_t count = 0;
    std::optional<std::string> value;
    if (argument == kName) {
      count = 1;
      if (i + 1 < arguments.size()) {
        value = arguments[i + 1];
        count = 2;
      }
    } else if (argument.starts_with(std::string(kName) + "=")) {
      count = 1;
      value = argument.substr(kName.size() + 1);
    }
    if (count == 0) {
      ++i;
      continue;
    }
    arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                    arguments.begin() + static_cast<std::ptrdiff_t>(i + count));
    if (code) {
      taken.wrong = language::Fill(language::Translate("give {1} once"), {kName});
    } else if (!value) {
      taken.wrong = language::Translate("--language takes ko, ja or en");
    } else {
      code = *value;
    }
  }
  if (!code || taken.wrong) return taken;
  const auto language = language::LanguageFromCode(*code);
  if (!language || *code != language::LanguageCode(*language)) {
    taken.wrong =
        language::Fill(language::Translate("--language takes ko, ja or en, not \"{1}\""), {*code});
    return taken;
  }
  taken.language = language;
  return taken;
}

}  // namespace cli
