#include <gtest/gtest.h>

#include <string>

#include "ui/win32/console_text_buffer.h"

namespace {

// Text reaches the console only in whole characters: a character whose bytes arrive in two writes
// is held back until it is complete, and nothing else is.
TEST(ConsoleText, HoldsBackOnlyAnUnfinishedCharacter) {
  struct Case {
    const char* bytes;
    std::size_t held_back;
  };
  const Case cases[] = {
      {"", 0},
      {"plain", 0},
      {"\xC3\xBC", 0},      // ü, complete
      {"a\xC3", 1},         // ü's first byte
      {"\xE6\x97\xA5", 0},  // 日, complete
      {"\xE6\x97", 2},      // 日 without its last byte
      {"\xF0\x9F\x8E", 3},  // a four-byte character without its last byte
      {"\x80\x80", 0},      // stray continuation bytes: invalid, not waited for
      {"\xFF", 0},          // never valid in UTF-8
      {"\xC3\xBC\xE6", 1},  // a complete character, then an unfinished one
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.bytes)));
    EXPECT_EQ(ui::win32::IncompleteUtf8Tail(c.bytes), c.held_back);
  }
}

}  // namespace
