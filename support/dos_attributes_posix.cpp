#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "support/dos_attributes.h"

namespace support {
namespace {

constexpr const char* kDosAttributeName = "user.DOSATTRIB";
constexpr std::uint32_t kReadOnlyBit = 0x1;

bool OnFat(const std::filesystem::path& path) {
  struct statfs volume {};
  return ::statfs(path.c_str(), &volume) == 0 && volume.f_type == MSDOS_SUPER_MAGIC;
}

// A FAT volume keeps the attributes in the directory entry; the kernel's FAT driver reads and
// changes them through its own calls.
std::uint32_t FatBits(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  std::uint32_t bits = 0;
  const bool read = fd >= 0 && ::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &bits) == 0;
  if (fd >= 0) ::close(fd);
  if (!read) throw std::runtime_error("cannot read the FAT attributes of " + path.string());
  return bits;
}

void SetFatBits(const std::filesystem::path& path, std::uint32_t mask, std::uint32_t bits) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  std::uint32_t value = 0;
  bool done = fd >= 0 && ::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &value) == 0;
  value = (value & ~mask) | (bits & mask);
  done = done && ::ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &value) == 0;
  if (fd >= 0) ::close(fd);
  if (!done) throw std::runtime_error("cannot set the FAT attributes of " + path.string());
}

}  // namespace

void SetDosBits(const std::filesystem::path& path, unsigned bits) {
  if (OnFat(path)) return SetFatBits(path, kHiddenBit | kSystemBit, bits);
  char text[16];
  const int length = std::snprintf(text, sizeof text, "0x%x", bits);
  if (::lsetxattr(path.c_str(), kDosAttributeName, text, static_cast<size_t>(length), 0) != 0) {
    throw std::runtime_error("cannot set user.DOSATTRIB on " + path.string());
  }
}

unsigned DosBits(const std::filesystem::path& path) {
  if (OnFat(path)) return FatBits(path) & (kHiddenBit | kSystemBit);
  char text[64] = {};
  const ssize_t length = ::lgetxattr(path.c_str(), kDosAttributeName, text, sizeof text - 1);
  if (length <= 0) return 0;
  return static_cast<unsigned>(std::strtoul(text, nullptr, 16));
}

void SetReadOnly(const std::filesystem::path& path, bool read_only) {
  if (OnFat(path)) return SetFatBits(path, kReadOnlyBit, read_only ? kReadOnlyBit : 0);
  std::filesystem::permissions(
      path, std::filesystem::perms::owner_write,
      read_only ? std::filesystem::perm_options::remove : std::filesystem::perm_options::add);
}

bool IsReadOnly(const std::filesystem::path& path) {
  if (OnFat(path)) return (FatBits(path) & kReadOnlyBit) != 0;
  struct stat status {};
  ::stat(path.c_str(), &status);
  return (status.st_mode & S_IWUSR) == 0;
}

}  // namespace support
