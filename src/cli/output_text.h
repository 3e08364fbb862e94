#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cli {

// A JSON string literal; an invalid UTF-8 sequence becomes U+FFFD.
std::string JsonString(std::string_view utf8);
// The columns UTF-8 text takes in a terminal: one a character, two for a wide one (Hangul, kana,
// CJK ideographs, full-width forms). A broken sequence counts one column a byte.
std::size_t TerminalColumns(std::string_view utf8);
// A caption or choice as a user may type it: no blanks around it, and a run of blanks as one.
std::string Tidy(std::string_view text);

}  // namespace cli
