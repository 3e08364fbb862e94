#include "cli/recorder_identity.h"

#include <system_error>

#include "app/utf8_path.h"
#include "device/volume_identity.h"

namespace cli {
namespace {

std::string AbsoluteRootText(const std::filesystem::path& root) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(root, error);
  if (error) absolute = root;
  absolute = absolute.lexically_normal();
  // "/media/me/REC/" is "/media/me/REC"; a drive's root "E:\" stays as it is.
  if (absolute.has_relative_path() && !absolute.has_filename()) absolute = absolute.parent_path();
  return app::Utf8(absolute);
}

}  // namespace

RecorderIdentity IdentifyRecorder(const std::filesystem::path& root) {
  const device::VolumeIdentity volume = device::IdentifyVolume(root);
  return {AbsoluteRootText(root), volume.label, volume.serial};
}

bool IsOfRecorder(const HistoryEntry& entry, const RecorderIdentity& recorder) {
  if (!entry.volume_serial.empty() && !recorder.serial.empty())
    return entry.volume_serial == recorder.serial;
  return entry.root == recorder.root;
}

}  // namespace cli
