#ifndef _WIN32

#include <linux/magic.h>
#include <sys/vfs.h>

#include "device/root_search.h"

namespace device {

bool OnRecorderVolume(const std::filesystem::path& folder) {
  struct statfs volume {};
  if (::statfs(folder.c_str(), &volume) != 0) return false;
  // The kernel's vfat and msdos drivers both report this type.
  return volume.f_type == MSDOS_SUPER_MAGIC;
}

}  // namespace device

#endif  // _WIN32
