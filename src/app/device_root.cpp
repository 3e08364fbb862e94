#include "app/device_root.h"

#include <system_error>

namespace app {

bool IsFolder(const std::filesystem::path& root) {
  std::error_code error;
  return std::filesystem::is_directory(root, error);
}

std::string NotAFolderMessage(std::string_view shown) {
  return "The device root \"" + std::string(shown) + "\" is not a folder.";
}

}  // namespace app
