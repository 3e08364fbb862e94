#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>

#include <cstdint>

#include "device/descriptor_posix.h"
#include "device/volume_identity.h"

namespace device {

VolumeIdentity IdentifyVolume(const std::filesystem::path& root) {
  VolumeIdentity identity;
  // Only the kernel's FAT driver answers this; other file systems refuse it (ENOTTY).
  const Descriptor folder(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  std::uint32_t serial = 0;
  if (folder.valid() && ::ioctl(folder.get(), FAT_IOCTL_GET_VOLUME_ID, &serial) == 0) {
    identity.serial = FormatVolumeSerial(serial);
  }
  return identity;
}

}  // namespace device
