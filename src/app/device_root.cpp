#include "app/device_root.h"

#include "device/file_system.h"

namespace app {

bool IsFolder(const std::filesystem::path& root) {
  return device::IsFolder(root);
}

std::string NotAFolderMessage(std::string_view shown) {
  return "The device root \"" + std::string(shown) + "\" is not a folder.";
}

}  // namespace app
