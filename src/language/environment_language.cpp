#include <string_view>

#include "language/system_language.h"

namespace language {
namespace {

std::string_view Variable(const EnvironmentReader& read, const char* name) {
  const char* value = read(name);
  return value == nullptr ? std::string_view() : std::string_view(value);
}

bool IsCLocale(std::string_view locale) {
  return locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

}  // namespace

Language LanguageFromEnvironment(const EnvironmentReader& read) {
  std::string_view locale = Variable(read, "LC_ALL");
  if (locale.empty()) locale = Variable(read, "LC_MESSAGES");
  if (locale.empty()) locale = Variable(read, "LANG");
  // gettext ignores LANGUAGE in the C locale, where a program shows its source texts.
  if (IsCLocale(locale)) return Language::kEnglish;
  std::string_view list = Variable(read, "LANGUAGE");
  while (!list.empty()) {
    const std::size_t colon = list.find(':');
    if (const auto listed = LanguageFromCode(list.substr(0, colon))) return *listed;
    list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
  }
  return LanguageFromCode(locale).value_or(Language::kEnglish);
}

}  // namespace language
