#ifndef _WIN32

#include <sys/stat.h>
#include <sys/xattr.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "support/dos_attributes.h"

namespace testing_support {

constexpr const char* kDosAttributeName = "user.DOSATTRIB";

void SetDosBits(const std::filesystem::path& path, unsigned bits) {
  char text[16];
  const int length = std::snprintf(text, sizeof text, "0x%x", bits);
  if (::lsetxattr(path.c_str(), kDosAttributeName, text, static_cast<size_t>(length), 0) != 0) {
    throw std::runtime_error("cannot set user.DOSATTRIB on " + path.string());
  }
}

unsigned DosBits(const std::filesystem::path& path) {
  char text[64] = {};
  const ssize_t length = ::lgetxattr(path.c_str(), kDosAttributeName, text, sizeof text - 1);
  if (length <= 0) return 0;
  return static_cast<unsigned>(std::strtoul(text, nullptr, 16));
}

void SetReadOnly(const std::filesystem::path& path, bool read_only) {
  std::filesystem::permissions(
      path, std::filesystem::perms::owner_write,
      read_only ? std::filesystem::perm_options::remove : std::filesystem::perm_options::add);
}

bool IsReadOnly(const std::filesystem::path& path) {
  struct stat status {};
  ::stat(path.c_str(), &status);
  return (status.st_mode & S_IWUSR) == 0;
}

}  // namespace testing_support

#endif  // !_WIN32
