#include "cli/language_option.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace cli {
namespace {

using language::Language;

TEST(LanguageOptionTest, TakenWhereverItStandsBeforeTheEndOfOptions) {
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::optional<Language> language;
    bool wrong;
    std::vector<std::string> left;
  };
  const Case cases[] = {
      {"not_given", {"--show", "/media/REC"}, std::nullopt, false, {"--show", "/media/REC"}},
      {"between_options",
       {"--show", "--language", "ko", "/m"},
       Language::kKorean,
       false,
       {"--show", "/m"}},
      {"with_equals", {"--language=ja", "/m"}, Language::kJapanese, false, {"/m"}},
      {"english", {"--language", "en"}, Language::kEnglish, false, {}},
      {"after_the_end_a_root",
       {"--start", "--", "--language", "ko"},
       std::nullopt,
       false,
       {"--start", "--", "--language", "ko"}},
      {"without_a_code", {"--show", "--language"}, std::nullopt, true, {"--show"}},
      {"given_twice", {"--language", "ko", "--language=ja"}, std::nullopt, true, {}},
      {"another_language", {"--language", "de"}, std::nullopt, true, {}},
      {"a_locale_name", {"--language", "ko_KR.UTF-8"}, std::nullopt, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> arguments = c.arguments;
    const LanguageOption taken = TakeLanguageOption(arguments);
    EXPECT_EQ(taken.language, c.language);
    EXPECT_EQ(taken.wrong.has_value(), c.wrong);
    EXPECT_EQ(arguments, c.left);
  }
}

}  // namespace
}  // namespace cli
