#include "app/device_root.h"

#include "app/program.h"
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

std::optional<RootFailure> RootProblem(const std::filesystem::path& root, std::string_view shown) {
  if (IsFolder(root)) return std::nullopt;
  std::string drive = Utf8(root.root_name());
  if (!drive.empty() && drive[0] >= 'a' && drive[0] <= 'z')
    drive[0] = static_cast<char>(drive[0] - 'a' + 'A');
  switch (device::PresenceOfDrive(root)) {
    case device::DrivePresence::kNoDrive:
      return RootFailure{"There is no drive " + drive, kExitUsage};
    case device::DrivePresence::kNoDisk:
      return RootFailure{"There is no disk in drive " + drive, kExitUsage};
    case device::DrivePresence::kPresent:
      break;
  }
  // Worded as for a root that cannot be listed (device::RootReadError).
  if (const auto reason = device::UnreachableReason(root)) {
    return RootFailure{"Could not read the device root \"" + std::string(shown) + "\": " + *reason,
                       kExitRuntimeFailure};
  }
  return RootFailure{NotAFolderMessage(shown), kExitUsage};
}

}  // namespace app
