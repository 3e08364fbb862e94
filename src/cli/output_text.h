#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cli {

// A JSON string literal; an invalid UTF-8 sequence becomes U+FFFD.
std::string JsonString(std::string_view utf8);
// The characters of UTF-8 text, not its bytes: what a terminal's columns count.
std::size_t Utf8Width(std::string_view utf8);
// A caption or choice as a user may type it: no blanks around it, and a run of blanks as one.
std::string Tidy(std::string_view text);

}  // namespace cli
