#include "app/device_root.h"

#include "app/program.h"
#include "app/utf8_path.h"
#include "device/drive_presence.h"
#include "device/file_system.h"

namespace app {
namespace {

using language::Message;
using language::ToTranslate;

}  // namespace

bool IsFolder(const std::filesystem::path& root) {
  return device::IsFolder(root);
}

language::Message NotAFolderMessage(std::string_view shown) {
  return Message(ToTranslate("The device root \"{1}\" is not a folder."), {shown});
}

std::optional<RootFailure> RootProblem(const std::filesystem::path& root, std::string_view shown) {
  if (IsFolder(root)) return std::nullopt;
  std::string drive = Utf8(root.root_name());
  if (!drive.empty() && drive[0] >= 'a' && drive[0] <= 'z')
    drive[0] = static_cast<char>(drive[0] - 'a' + 'A');
  switch (device::PresenceOfDrive(root)) {
    case device::DrivePresence::kNoDrive:
      return RootFailure{Message(ToTranslate("There is no drive {1}"), {drive}), kExitUsage};
    case device::DrivePresence::kNoDisk:
      return RootFailure{Message(ToTranslate("There is no disk in drive {1}"), {drive}),
                         kExitUsage};
    case device::DrivePresence::kPresent:
      break;
  }
  // Worded as for a root that cannot be listed (device::RootReadError).
  if (const auto reason = device::UnreachableReason(root)) {
    return RootFailure{
        Message(ToTranslate("Could not read the device root \"{1}\": {2}"), {shown, *reason}),
        kExitRuntimeFailure};
  }
  return RootFailure{NotAFolderMessage(shown), kExitUsage};
}

}  // namespace app
