#include "cli/output_text.h"

#include <algorithm>
#include <cstdio>

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

std::size_t Utf8Width(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
  }));
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
