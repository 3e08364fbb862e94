#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace app {

// The length of the UTF-8 sequence that `lead` begins, or 0 for a byte that begins none (a
// continuation byte, or a lead of an overlong or out-of-range form).
std::size_t Utf8LeadLength(unsigned char lead);
// Device bytes (one byte a character, Latin-1) as UTF-8.
std::string Utf8FromLatin1(std::string_view bytes);
// UTF-8 for a terminal: control characters, which a device's text could use to drive the
// terminal, become "?".
std::string Printable(std::string_view utf8);
// A JSON string literal; an invalid UTF-8 sequence becomes U+FFFD.
std::string JsonString(std::string_view utf8);
// The characters of UTF-8 text, not its bytes: what a terminal's columns count.
std::size_t Utf8Width(std::string_view utf8);
// A caption or choice as a user may type it: no blanks around it, and a run of blanks as one.
std::string Tidy(std::string_view text);

}  // namespace app
