#include "screens/screen_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "language/language.h"
#include "screens/program_text.h"

namespace screens {
namespace {

TEST(ScreenTextsTest, KeysLeaveOutPaddingAndVersion) {
  struct Case {
    std::string text;
    std::string before, key, after;
  };
  const std::string version = " V" + std::string(kProgramVersion);
  const Case cases[] = {
      {"  Korean", "  ", "Korean", ""},
      {"   0 (Default)", "   ", "0 (Default)", ""},
      {"Options Setting" + version, "", "Options Setting", version},
      {"Start", "", "Start", ""},
      {std::string(kAppTitle), std::string(kAppTitle), "", ""},
      {"   ", "   ", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const CatalogueKey key = CatalogueKeyOf(c.text);
    EXPECT_EQ(key.before, c.before);
    EXPECT_EQ(key.key, c.key);
    EXPECT_EQ(key.after, c.after);
  }
}

// Every text of every screen has its translation in each catalogue (one that reads as the
// English does, such as "PCM", is written out in the catalogue too), and in English every screen
// reads exactly as drawn.
TEST(ScreenTextsTest, EveryScreenTextIsTranslated) {
  const std::vector<ScreenText> texts = EveryScreenText();
  ASSERT_GT(texts.size(), 50u);
  for (const language::Language language :
       {language::Language::kKorean, language::Language::kJapanese}) {
    language::UseLanguage(language);
    for (const ScreenText& text : texts) {
      const std::string_view key = CatalogueKeyOf(text.text).key;
      if (key.empty()) continue;
      EXPECT_TRUE(language::TranslationIn({}, key) || language::TranslationIn(text.window, key))
          << language::LanguageCode(language) << ": " << text.window << "/" << text.control << " \""
          << key << "\"";
    }
  }
  language::UseLanguage(language::Language::kEnglish);
  for (const ScreenText& text : texts) EXPECT_EQ(TranslatedScreenText(text), text.text);
}

TEST(ScreenTextsTest, TranslationKeepsPaddingAndVersion) {
  language::UseLanguage(language::Language::kKorean);
  const std::string version = " V" + std::string(kProgramVersion);
  EXPECT_EQ(TranslatedScreenText({"Form15", "Combo10", "  Japanese"}), "  日本語");
  EXPECT_EQ(TranslatedScreenText({"Form3", "Label3", "Options Setting" + version}),
            "옵션 설정" + version);
  EXPECT_EQ(TranslatedScreenText({"Form1", "", kAppTitle}), kAppTitle);
  language::UseLanguage(language::Language::kEnglish);
}

// A text from a screen's state is the device's Latin-1: without a translation the front end must
// show those bytes, never take them for UTF-8.
TEST(ScreenTextsTest, StateTextIsTranslatedOnlyWhereACatalogueHasIt) {
  const ScreenText japanese{"Form15", "Combo10", "  Japanese"};
  const ScreenText untranslated{"Form15", "Combo10", "10 \xb5s"};
  EXPECT_EQ(TranslatedStateText(japanese), std::nullopt);
  language::UseLanguage(language::Language::kKorean);
  EXPECT_EQ(TranslatedStateText(japanese), "  日本語");
  EXPECT_EQ(TranslatedStateText(untranslated), std::nullopt);
  language::UseLanguage(language::Language::kEnglish);
}

}  // namespace
}  // namespace screens
