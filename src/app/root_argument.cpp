#include "app/root_argument.h"

#include <algorithm>

namespace app {
namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

bool IsDriveLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Whether `text` begins with a drive letter and a colon.
bool StartsWithDrive(std::string_view text) {
  return text.size() >= 2 && IsDriveLetter(text[0]) && text[1] == ':';
}

}  // namespace

std::string WindowsRootText(std::string_view argument) {
  std::string text(argument);
  if (text.ends_with('"')) text.back() = '\\';
  // The prefix that turns off the system's path parsing, before a drive: the same drive.
  const std::string_view rest =
      std::string_view(text).substr(std::min<std::size_t>(4, text.size()));
  if (text.size() > 4 && IsSeparator(text[0]) && IsSeparator(text[1]) && text[2] == '?' &&
      IsSeparator(text[3]) && StartsWithDrive(rest)) {
    text = std::string(rest);
  }
  std::string tidy;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i >= 2 && IsSeparator(text[i]) && IsSeparator(tidy.back())) continue;
    tidy += text[i];
  }
  if (tidy.size() == 2 && StartsWithDrive(tidy)) tidy += '\\';
  return tidy;
}

std::string RootText(std::string_view argument) {
#ifdef _WIN32
  return WindowsRootText(argument);
#else
  return std::string(argument);
#endif
}

}  // namespace app
