#pragma once

#include <filesystem>
#include <string>

#include "app/root_argument.h"

namespace app {

// A path from UTF-8, also where the system's own encoding for paths is another (Windows).
inline std::filesystem::path PathFromUtf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// A device root as given on the command line (see RootText). On Windows a bare drive ("E:") means
// that drive's current folder to the system; the user means its root ("E:\").
inline std::filesystem::path RootFromArgument(const std::string& text) {
  std::filesystem::path root = PathFromUtf8(RootText(text));
  if (root.has_root_name() && !root.has_root_directory() && root.relative_path().empty()) {
    root += std::filesystem::path::preferred_separator;
  }
  return root;
}

inline std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace app
