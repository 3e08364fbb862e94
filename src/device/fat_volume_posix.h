#pragma once

#include <linux/magic.h>
#include <sys/statfs.h>

namespace device {

// Whether a volume that statfs or fstatfs describes is FAT: the kernel's vfat and msdos drivers
// both report this type.
inline bool IsFatVolume(const struct statfs& volume) {
  return volume.f_type == MSDOS_SUPER_MAGIC;
}

}  // namespace device
