#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace language {

// The languages the program speaks: the recorders' own.
enum class Language { kEnglish, kKorean, kJapanese };

// "ko", "ja" or "en", with or without a territory, code set or modifier ("ko_KR.UTF-8",
// "ja_JP@x"); "C" and "POSIX" are English. Nothing for a language the program does not have.
std::optional<Language> LanguageFromCode(std::string_view code);

// The code that --language and the catalogues' file names use: "en", "ko" or "ja".
std::string_view LanguageCode(Language language);

// The language every text is shown in from now on; English until this is called.
void UseLanguage(Language language);
Language LanguageInUse();

// The text a person reads for `english`: its translation in the language in use, or `english`
// itself where the catalogue has none. `context` (a window's name, or a window's and a control's
// as "Form15/Frame2") tells apart one English text that needs two translations: a translation
// in that context goes before the one without a context, which serves everywhere else.
std::string_view Translate(std::string_view context, std::string_view english);
inline std::string_view Translate(std::string_view english) {
  return Translate({}, english);
}
// The same in `language`, whatever the language in use.
std::string_view TranslateIn(Language language, std::string_view context, std::string_view english);

// The translation of `english` in exactly `context`, in the language in use; none in English or
// where the catalogue has none.
std::optional<std::string_view> TranslationIn(std::string_view context, std::string_view english);

// `pattern` with "{1}", "{2}", … replaced by `values` in their order, wherever a translation
// puts them; a number without a value stays as it is.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);
std::string Fill(std::string_view pattern, std::span<const std::string> values);

// Marks an English text for the catalogues where it is defined, when it is translated later,
// where it is shown: scripts/texts finds it by this name.
constexpr std::string_view ToTranslate(std::string_view english) {
  return english;
}
constexpr std::string_view ToTranslate(std::string_view /*context*/, std::string_view english) {
  return english;
}

}  // namespace language
