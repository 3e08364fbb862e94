#include "cli/json_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace cli {
namespace {

TEST(JsonReaderTest, ReadsWhatShowJsonPrints) {
  const JsonReadResult read = ReadJson(
      "{\"root\": \"/media/REC\", \"model\": 6, \"ok\": true, \"gone\": null,\n"
      " \"settings\": [{\"name\": \"VOS Level\", \"choice\": \"+ 1\"},\n"
      "              {\"name\": \"\\u00c9t\\u00e9 \\ud83d\\ude00\", \"choice\": "
      "\"a\\\"b\\\\\"}]}\n");
  ASSERT_TRUE(read.value) << read.error;
  EXPECT_EQ(*read.value->Member("root")->AsString(), "/media/REC");
  EXPECT_EQ(std::get<JsonValue::Number>(read.value->Member("model")->value).text, "6");
  EXPECT_EQ(std::get<bool>(read.value->Member("ok")->value), true);
  const JsonValue::Array& settings = *read.value->Member("settings")->AsArray();
  ASSERT_EQ(settings.size(), 2u);
  EXPECT_EQ(*settings[0].Member("choice")->AsString(), "+ 1");
  EXPECT_EQ(*settings[1].Member("name")->AsString(), "\xC3\x89t\xC3\xA9 \xF0\x9F\x98\x80");
  EXPECT_EQ(*settings[1].Member("choice")->AsString(), "a\"b\\");
  EXPECT_EQ(read.value->Member("missing"), nullptr);
}

TEST(JsonReaderTest, RefusesBrokenTextNamingTheLine) {
  struct Case {
    const char* name;
    std::string text;
    std::size_t line;
  };
  const Case cases[] = {
      {"empty", "", 1},
      {"unclosed_object", "{\n\"a\": 1,\n", 3},
      {"trailing_comma", "[1,\n]", 2},
      {"text_after_the_end", "{}\n{}", 2},
      {"bare_word", "{\"a\": yes}", 1},
      {"unquoted_name", "{a: 1}", 1},
      {"control_character_in_string", "\"a\tb\"", 1},
      {"lone_low_surrogate", "\"\\udc00\"", 1},
      {"high_surrogate_alone", "\"\\ud800x\"", 1},
      {"not_utf8", "\"\xff\"", 1},
      {"leading_plus", "+1", 1},
      {"dot_without_digits", "1.", 1},
      {"too_deep", std::string(100, '[') + std::string(100, ']'), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const JsonReadResult read = ReadJson(c.text);
    EXPECT_FALSE(read.value);
    EXPECT_FALSE(read.error.empty());
    EXPECT_EQ(read.error_line, c.line);
  }
}

}  // namespace
}  // namespace cli
