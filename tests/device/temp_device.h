#pragma once

// A throw-away recorder root for device tests: a temporary folder with helpers that lay out
// files the way a recorder's drive holds them. Hidden and system are the bits of the
// user.DOSATTRIB attribute, read-only is a missing owner-write bit.

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "device/clock.h"

namespace device::testing {

inline constexpr unsigned kHiddenBit = 0x2;
inline constexpr unsigned kSystemBit = 0x4;

class FixedClock : public Clock {
 public:
  explicit FixedClock(LocalTime time = {2026, 12, 7, 9, 5, 3}) : time_(time) {}
  LocalTime Now() const override { return time_; }

 private:
  LocalTime time_;
};

class TempDevice {
 public:
  TempDevice() {
    std::string pattern = (std::filesystem::temp_directory_path() / "recorder-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
  }
  TempDevice(const TempDevice&) = delete;
  TempDevice& operator=(const TempDevice&) = delete;
  ~TempDevice() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  const std::filesystem::path& root() const { return root_; }

  // "\name" → <root>/name.
  std::filesystem::path PathOf(std::string_view device_path) const {
    if (!device_path.empty() && device_path.front() == '\\') device_path.remove_prefix(1);
    return root_ / std::string(device_path);
  }

  void Write(std::string_view device_path, std::string_view bytes) const {
    std::ofstream out(PathOf(device_path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + std::string(device_path));
  }

  std::string Read(std::string_view device_path) const {
    std::ifstream in(PathOf(device_path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  void MakeFolder(std::string_view device_path) const {
    std::filesystem::create_directory(PathOf(device_path));
  }

  // A symbolic link at `device_path` pointing to `target` (a path relative to the root).
  void MakeSymlink(std::string_view device_path, const std::string& target) const {
    std::filesystem::create_symlink(target, PathOf(device_path));
  }

  void SetDosBits(std::string_view device_path, unsigned bits) const {
    char text[16];
    const int length = std::snprintf(text, sizeof text, "0x%x", bits);
    if (::lsetxattr(PathOf(device_path).c_str(), "user.DOSATTRIB", text,
                    static_cast<std::size_t>(length), 0) != 0) {
      throw std::runtime_error("cannot set user.DOSATTRIB on " + std::string(device_path));
    }
  }

  unsigned DosBits(std::string_view device_path) const {
    char text[64] = {};
    const ssize_t length =
        ::lgetxattr(PathOf(device_path).c_str(), "user.DOSATTRIB", text, sizeof text - 1);
    return length > 0 ? static_cast<unsigned>(std::strtoul(text, nullptr, 16)) : 0;
  }

  void MakeReadOnly(std::string_view device_path) const {
    std::filesystem::permissions(PathOf(device_path), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
  }

  bool IsReadOnly(std::string_view device_path) const {
    struct stat status {};
    return ::stat(PathOf(device_path).c_str(), &status) == 0 && (status.st_mode & S_IWUSR) == 0;
  }

  bool IsRegularFile(std::string_view device_path) const {
    return std::filesystem::is_regular_file(std::filesystem::symlink_status(PathOf(device_path)));
  }

  // The names in the root, sorted.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(root_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path root_;
};

}  // namespace device::testing
