#include "cli/output_text.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

#include "app/utf8_text.h"

namespace cli {

std::string JsonString(std::string_view utf8) {
  std::string json = "\"";
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length = app::Utf8SequenceLength(utf8.substr(i));
    const char c = utf8[i];
    if (length == 0) {
      json += "\\ufffd";
      ++i;
      continue;
    }
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (c == '\n') {
      json += "\\n";
    } else if (c == '\r') {
      json += "\\r";
    } else if (c == '\t') {
      json += "\\t";
    } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
      json += escaped;
    } else {
      json += utf8.substr(i, length);
    }
    i += length;
  }
  return json + "\"";
}

namespace {

// East Asian wide and full-width characters: Hangul, kana, CJK ideographs and the full-width
// forms, which a terminal draws two columns wide.
bool IsWide(char32_t c) {
  constexpr std::pair<char32_t, char32_t> kWide[] = {
      {0x1100, 0x115f}, {0x2e80, 0x303e}, {0x3041, 0x33ff}, {0x3400, 0x4dbf},
      {0x4e00, 0x9fff}, {0xa000, 0xa4cf}, {0xac00, 0xd7a3}, {0xf900, 0xfaff},
      {0xfe30, 0xfe4f}, {0xff00, 0xff60}, {0xffe0, 0xffe6}, {0x20000, 0x3fffd}};
  return std::any_of(std::begin(kWide), std::end(kWide),
                     [c](const auto& range) { return c >= range.first && c <= range.second; });
}

}  // namespace

std::size_t TerminalColumns(std::string_view utf8) {
  std::size_t columns = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80    ? 1
                               : lead >= 0xf0 ? 4
                               : lead >= 0xe0 ? 3
                               : lead >= 0xc0 ? 2
                                              : 1;
    char32_t c = length == 1 ? lead : lead & (0x7f >> length);
    std::size_t taken = 1;
    for (; taken < length && i + taken < utf8.size() &&
           (static_cast<unsigned char>(utf8[i + taken]) & 0xc0) == 0x80;
         ++taken)
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + taken]) & 0x3f);
    columns += taken != length ? taken : IsWide(c) ? 2 : 1;
    i += taken;
  }
  return columns;
}

std::string Tidy(std::string_view text) {
  std::string tidy;
  bool blank = false;
  for (const char c : text) {
    if (c == ' ' || c == '\t') {
      blank = true;
      continue;
    }
    if (blank && !tidy.empty()) tidy += ' ';
    blank = false;
    tidy += c;
  }
  return tidy;
}

}  // namespace cli
