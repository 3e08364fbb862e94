#include "language/language.h"

#include <atomic>

#include "language/builtin_catalogues.h"

namespace language {
namespace {

std::atomic<Language> in_use{Language::kEnglish};

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// `pattern` with "{n}" replaced by value(n - 1) for each n up to `count`. The values are not
// looked at again, so a value that holds "{1}" stays as it is.
template <typename ValueAt>
std::string FillWith(std::string_view pattern, std::size_t count, const ValueAt& value) {
  std::string filled;
  std::size_t at = 0;
  while (at < pattern.size()) {
    const std::size_t open = pattern.find('{', at);
    if (open == std::string_view::npos || open + 2 >= pattern.size() || pattern[open + 2] != '}' ||
        pattern[open + 1] < '1' || pattern[open + 1] > '9' ||
        static_cast<std::size_t>(pattern[open + 1] - '0') > count) {
      const std::size_t end = open == std::string_view::npos ? pattern.size() : open + 1;
      filled.append(pattern.substr(at, end - at));
      at = end;
      continue;
    }
    filled.append(pattern.substr(at, open - at));
    filled.append(value(static_cast<std::size_t>(pattern[open + 1] - '1')));
    at = open + 3;
  }
  return filled;
}

}  // namespace

std::optional<Language> LanguageFromCode(std::string_view code) {
  if (code == "C" || code == "POSIX" || code.starts_with("C.")) return Language::kEnglish;
  std::size_t letters = 0;
  while (letters < code.size() && IsLetter(code[letters])) ++letters;
  if (letters != code.size() && code[letters] != '_' && code[letters] != '-' &&
      code[letters] != '.' && code[letters] != '@') {
    return std::nullopt;
  }
  std::string_view name = code.substr(0, letters);
  const auto is = [name](std::string_view lower) {
    if (name.size() != lower.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
      if ((name[i] | 0x20) != lower[i]) return false;
    }
    return true;
  };
  if (is("en")) return Language::kEnglish;
  if (is("ko")) return Language::kKorean;
  if (is("ja")) return Language::kJapanese;
  return std::nullopt;
}

std::string_view LanguageCode(Language language) {
  switch (language) {
    case Language::kKorean:
      return "ko";
    case Language::kJapanese:
      return "ja";
    case Language::kEnglish:
      break;
  }
  return "en";
}

void UseLanguage(Language language) {
  in_use.store(language);
}

Language LanguageInUse() {
  return in_use.load();
}

std::optional<std::string_view> TranslationIn(std::string_view context, std::string_view english) {
  const MessageCatalogue* catalogue = BuiltinCatalogue(LanguageInUse());
  if (catalogue == nullptr) return std::nullopt;
  return catalogue->Find(context, english);
}

std::string_view TranslateIn(Language language, std::string_view context,
                             std::string_view english) {
  const MessageCatalogue* catalogue = BuiltinCatalogue(language);
  if (catalogue == nullptr) return english;
  if (!context.empty()) {
    if (const auto in_context = catalogue->Find(context, english)) return *in_context;
  }
  return catalogue->Find({}, english).value_or(english);
}

std::string_view Translate(std::string_view context, std::string_view english) {
  return TranslateIn(LanguageInUse(), context, english);
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
  return FillWith(pattern, values.size(), [&values](std::size_t i) { return values.begin()[i]; });
}

std::string Fill(std::string_view pattern, std::span<const std::string> values) {
  return FillWith(pattern, values.size(),
                  [&values](std::size_t i) { return std::string_view(values[i]); });
}

}  // namespace language
