#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "language/language.h"
#include "language/message.h"
#include "language/message_catalogue.h"
#include "language/system_language.h"

extern const unsigned char kSampleCatalogue[];
extern const std::size_t kSampleCatalogueSize;

namespace language {
namespace {

MessageCatalogue Sample() {
  return MessageCatalogue({kSampleCatalogue, kSampleCatalogueSize});
}

TEST(MessageCatalogueTest, FindsTranslationsByContext) {
  const MessageCatalogue catalogue = Sample();
  ASSERT_TRUE(catalogue.IsValid());
  struct Case {
    const char* context;
    const char* english;
    std::optional<std::string> found;
  };
  const Case cases[] = {
      {"", "Start", "시작"},
      {"Form15", "Start", "시작하기"},
      {"Form13", "Start", std::nullopt},  // another context does not fall back
      {"", "Line one\nline two", "첫 줄\n둘째 줄"},
      {"", "Not translated yet", std::nullopt},
      {"", "start", std::nullopt},
      {"", "", std::nullopt},  // the header is no translation
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.context) + "|" + c.english);
    const auto found = catalogue.Find(c.context, c.english);
    EXPECT_EQ(found ? std::optional<std::string>(*found) : std::nullopt, c.found);
  }
}

TEST(MessageCatalogueTest, DamagedBytesFindNothingAndReadNothingOutside) {
  const std::vector<unsigned char> whole(kSampleCatalogue, kSampleCatalogue + kSampleCatalogueSize);
  for (std::size_t size = 0; size < whole.size(); ++size) {
    // A copy of exactly `size` bytes, so that the sanitizers catch any read past its end.
    const std::vector<unsigned char> cut(whole.begin(), whole.begin() + size);
    (void)MessageCatalogue(cut).Find("", "Line one\nline two");
  }
  std::vector<unsigned char> wrong_magic = whole;
  wrong_magic[0] ^= 0xff;
  EXPECT_FALSE(MessageCatalogue(wrong_magic).IsValid());
  EXPECT_FALSE(MessageCatalogue(wrong_magic).Find("", "Start"));
}

TEST(LanguageTest, CodesAndLocaleNames) {
  const std::map<std::string, std::optional<Language>> cases = {
      {"ko", Language::kKorean},
      {"ko_KR.UTF-8", Language::kKorean},
      {"ja_JP@x", Language::kJapanese},
      {"JA", Language::kJapanese},
      {"en_GB", Language::kEnglish},
      {"C", Language::kEnglish},
      {"C.UTF-8", Language::kEnglish},
      {"POSIX", Language::kEnglish},
      {"de_DE", std::nullopt},
      {"kor", std::nullopt},
      {"", std::nullopt},
      {"k1", std::nullopt},
  };
  for (const auto& [code, language] : cases) {
    SCOPED_TRACE(code);
    EXPECT_EQ(LanguageFromCode(code), language);
  }
}

TEST(LanguageTest, EnvironmentAsGettextReadsIt) {
  using Environment = std::map<std::string, std::string>;
  struct Case {
    const char* name;
    Environment environment;
    Language language;
  };
  const Case cases[] = {
      {"nothing_set", {}, Language::kEnglish},
      {"lang", {{"LANG", "ko_KR.UTF-8"}}, Language::kKorean},
      {"lc_messages_over_lang",
       {{"LANG", "ko_KR.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}},
       Language::kJapanese},
      {"lc_all_over_all",
       {{"LC_ALL", "en_US.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}},
       Language::kEnglish},
      {"language_list_first_known",
       {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "de:ja:ko"}},
       Language::kJapanese},
      {"language_ignored_in_c_locale", {{"LANG", "C"}, {"LANGUAGE", "ko"}}, Language::kEnglish},
      {"language_ignored_without_locale", {{"LANGUAGE", "ko"}}, Language::kEnglish},
      {"unknown_locale", {{"LANG", "fr_FR.UTF-8"}}, Language::kEnglish},
      {"empty_lc_all_skipped", {{"LC_ALL", ""}, {"LANG", "ja_JP"}}, Language::kJapanese},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Environment& environment = c.environment;
    EXPECT_EQ(LanguageFromEnvironment([&environment](const char* name) -> const char* {
                const auto found = environment.find(name);
                return found == environment.end() ? nullptr : found->second.c_str();
              }),
              c.language);
  }
}

TEST(LanguageTest, FillPutsValuesWhereThePatternSays) {
  struct Case {
    const char* pattern;
    const char* filled;
  };
  const Case cases[] = {
      {"Could not {1} \"{2}\"", "Could not A \"B\""},
      {"{2} を {1}", "B を A"},
      {"{3} {0} {} {x} {1", "{3} {0} {} {x} {1"},
      {"{1}{1}", "AA"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(Fill(c.pattern, {"A", "B"}), c.filled);
  }
}

TEST(LanguageTest, EnglishTextWhereTheCatalogueHasNone) {
  UseLanguage(Language::kKorean);
  EXPECT_EQ(Translate("A text no catalogue has"), "A text no catalogue has");
  UseLanguage(Language::kEnglish);
}

TEST(LanguageTest, MessageIsWrittenWholeInEachLanguage) {
  // A nested message follows the outer one's language; a verbatim value, a path that holds "{2}"
  // here, is never filled in itself.
  const Message message(ToTranslate("Could not read the file \"{1}\": {2}"),
                        {"VOICE/{2}.cfg", Message(ToTranslate("the file is read-only"))});
  struct Case {
    Language language;
    const char* written;
  };
  const Case cases[] = {
      {Language::kEnglish, "Could not read the file \"VOICE/{2}.cfg\": the file is read-only"},
      {Language::kKorean, "파일 \"VOICE/{2}.cfg\"을(를) 읽을 수 없습니다: 파일이 읽기 전용입니다"},
      {Language::kJapanese,
       "ファイル「VOICE/{2}.cfg」を読み込めませんでした: ファイルが読み取り専用です"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(LanguageCode(c.language));
    EXPECT_EQ(message.In(c.language), c.written);
    UseLanguage(c.language);
    EXPECT_EQ(message.Shown(), c.written);
    EXPECT_EQ(message.English(), cases[0].written);
    UseLanguage(Language::kEnglish);
  }
}

}  // namespace
}  // namespace language
