#include "app/utf8_text.h"

#include <algorithm>

namespace app {

std::size_t Utf8SequenceLength(std::string_view text) {
  // By the sequence's length: the code bits of its lead byte, and its smallest code point (a
  // smaller one is an overlong form).
  constexpr unsigned kLeadBits[] = {0, 0x7f, 0x1f, 0x0f, 0x07};
  constexpr unsigned kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const std::size_t length = Utf8LeadLength(byte(0));
  if (length == 1) return 1;
  if (length == 0 || text.size() < length) return 0;
  const unsigned minimum = kSmallest[length];
  unsigned code = byte(0) & kLeadBits[length];
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xc0) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3fu);
  }
  if (code < minimum || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return 0;
  return length;
}

std::size_t Utf8LeadLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xc2 && lead <= 0xdf) return 2;
  if (lead >= 0xe0 && lead <= 0xef) return 3;
  if (lead >= 0xf0 && lead <= 0xf4) return 4;
  return 0;
}

std::string Utf8FromLatin1(std::string_view bytes) {
  std::string utf8;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xc0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3f));
    }
  }
  return utf8;
}

std::string Printable(std::string_view utf8) {
  std::string printable;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length = Utf8SequenceLength(utf8.substr(i));
    const auto lead = static_cast<unsigned char>(utf8[i]);
    // C0 controls, DEL and the C1 controls U+0080 to U+009F.
    const bool control =
        lead < 0x20 || lead == 0x7f ||
        (lead == 0xc2 && length == 2 && static_cast<unsigned char>(utf8[i + 1]) < 0xa0);
    if (length == 0 || control) {
      printable += '?';
      i += std::max<std::size_t>(length, 1);
    } else {
      printable += utf8.substr(i, length);
      i += length;
    }
  }
  return printable;
}

}  // namespace app
