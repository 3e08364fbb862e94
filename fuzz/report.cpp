#include "report.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {
namespace {

std::string_view g_input;

}  // namespace

void SetInput(std::string_view bytes) {
  g_input = bytes;
}

[[noreturn]] void Fail(std::string_view property, const std::string& detail) {
  std::fprintf(stderr, "\n==== PROPERTY FAILED: %.*s\n%s\nsettings file: %s\n\n",
               static_cast<int>(property.size()), property.data(), detail.c_str(),
               Quoted(g_input).c_str());
  std::abort();
}

std::string Quoted(std::string_view bytes) {
  constexpr std::size_t kShown = 120;
  std::string text = "\"";
  for (const char c : bytes.substr(0, kShown)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
      text += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      text += escaped;
    }
  }
  text += "\"";
  if (bytes.size() > kShown) text += " ... (" + std::to_string(bytes.size()) + " bytes)";
  return text;
}

}  // namespace fuzz
