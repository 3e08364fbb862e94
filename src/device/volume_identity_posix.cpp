#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <cstdint>
#include <system_error>

#include "device/descriptor_posix.h"
#include "device/volume_identity.h"
#include "device/volume_label.h"

namespace device {
namespace {

// The name of the link in udev's label folder that leads to the block device `device`.
std::string LabelOfDevice(dev_t device) {
  std::error_code error;
  std::filesystem::directory_iterator link(kLabelFolder, error);
  for (; !error && link != std::filesystem::directory_iterator(); link.increment(error)) {
    struct stat node {};
    if (::stat(link->path().c_str(), &node) == 0 && S_ISBLK(node.st_mode) &&
        node.st_rdev == device) {
      return DecodeLabelName(link->path().filename().string());
    }
  }
  return {};
}

}  // namespace

VolumeIdentity IdentifyVolume(const std::filesystem::path& root) {
  VolumeIdentity identity;
  const Descriptor folder(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.valid()) return identity;
  // Only the kernel's FAT driver answers this; other file systems refuse it (ENOTTY).
  std::uint32_t serial = 0;
  struct stat status {};
  struct stat parent {};
  if (::fstat(folder.get(), &status) != 0) return identity;
  identity.label = LabelOfDevice(status.st_dev);
  // A volume's root lies on another device than the folder above it ("/" is its own parent).
  const bool volume_root = ::fstatat(folder.get(), "..", &parent, 0) == 0 &&
                           (parent.st_dev != status.st_dev || parent.st_ino == status.st_ino);
  if (volume_root && ::ioctl(folder.get(), FAT_IOCTL_GET_VOLUME_ID, &serial) == 0) {
    identity.serial = FormatVolumeSerial(serial);
  }
  return identity;
}

}  // namespace device
