#include "app/device_root.h"

#include "app/utf8_path.h"
#include "device/drive_presence.h"
#include "device/file_system.h"

namespace app {

bool IsFolder(const std::filesystem::path& root) {
  return device::IsFolder(root);
}

std::string NotAFolderMessage(std::string_view shown) {
  return "The device root \"" + std::string(shown) + "\" is not a folder.";
}

std::optional<std::string> RootProblem(const std::filesystem::path& root, std::string_view shown) {
  if (IsFolder(root)) return std::nullopt;
  std::string drive = Utf8(root.root_name());
  if (!drive.empty() && drive[0] >= 'a' && drive[0] <= 'z')
    drive[0] = static_cast<char>(drive[0] - 'a' + 'A');
  switch (device::PresenceOfDrive(root)) {
    case device::DrivePresence::kNoDrive:
      return "There is no drive " + drive;
    case device::DrivePresence::kNoDisk:
      return "There is no disk in drive " + drive;
    case device::DrivePresence::kPresent:
      break;
  }
  return NotAFolderMessage(shown);
}

}  // namespace app
