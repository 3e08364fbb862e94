#include "support/temp_device.h"

#include <sys/stat.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testing_support {

TempDevice::TempDevice() {
  std::string pattern = (std::filesystem::temp_directory_path() / "device-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
}

TempDevice::~TempDevice() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored)) {
    if (!entry.is_symlink()) {
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
    }
  }
  std::filesystem::remove_all(root_, ignored);
}

void TempDevice::Write(std::string_view name, std::string_view bytes) const {
  std::ofstream file(Path(name), std::ios::binary | std::ios::trunc);
  file << bytes;
  if (!file.flush()) throw std::runtime_error("cannot write " + std::string(name));
}

std::string TempDevice::Read(std::string_view name) const {
  std::ifstream file(Path(name), std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + std::string(name));
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

bool TempDevice::Exists(std::string_view name) const {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::symlink_status(Path(name), ignored));
}

std::vector<std::string> TempDevice::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(root_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void TempDevice::SetDosBits(std::string_view name, unsigned bits) const {
  char text[16];
  const int length = std::snprintf(text, sizeof text, "0x%x", bits);
  if (::lsetxattr(Path(name).c_str(), "user.DOSATTRIB", text, static_cast<size_t>(length), 0) !=
      0) {
    throw std::runtime_error("cannot set user.DOSATTRIB on " + std::string(name));
  }
}

unsigned TempDevice::DosBits(std::string_view name) const {
  char text[64] = {};
  const ssize_t length = ::lgetxattr(Path(name).c_str(), "user.DOSATTRIB", text, sizeof text - 1);
  if (length <= 0) return 0;
  return static_cast<unsigned>(std::strtoul(text, nullptr, 16));
}

void TempDevice::SetReadOnly(std::string_view name, bool read_only) const {
  std::filesystem::permissions(
      Path(name), std::filesystem::perms::owner_write,
      read_only ? std::filesystem::perm_options::remove : std::filesystem::perm_options::add);
}

bool TempDevice::IsReadOnly(std::string_view name) const {
  struct stat status {};
  ::stat(Path(name).c_str(), &status);
  return (status.st_mode & S_IWUSR) == 0;
}

}  // namespace testing_support
