#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace app {

// The length of the UTF-8 sequence that `lead` begins, or 0 for a byte that begins none (a
// continuation byte, or a lead of an overlong or out-of-range form).
std::size_t Utf8LeadLength(unsigned char lead);
// The length of the valid UTF-8 sequence at the start of `text`, or 0.
std::size_t Utf8SequenceLength(std::string_view text);
// Device bytes (one byte a character, Latin-1) as UTF-8.
std::string Utf8FromLatin1(std::string_view bytes);
// UTF-8 for a terminal: control characters, which a device's text could use to drive the
// terminal, become "?".
std::string Printable(std::string_view utf8);

}  // namespace app
