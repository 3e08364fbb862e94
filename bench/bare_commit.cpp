#include "bare_commit.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <string>

namespace bench {
namespace {

constexpr std::string_view kIni = "ravlen_setting.ini";

void Check(bool ok, const char* step) {
  if (!ok) throw std::runtime_error(std::string("bare commit: ") + step + " failed");
}

std::string ReadFirstLine(int folder, std::string_view name) {
  const int fd = ::openat(folder, std::string(name).c_str(), O_RDONLY | O_CLOEXEC);
  Check(fd >= 0, "open");
  char buffer[4096];
  const ssize_t count = ::read(fd, buffer, sizeof buffer);
  ::close(fd);
  Check(count > 0, "read");
  const std::string bytes(buffer, static_cast<std::size_t>(count));
  return bytes.substr(0, bytes.find('\r'));
}

std::string ClockLine(std::string_view block) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[64];
  std::snprintf(text, sizeof text, "%04d %02d %02d %02d %02d %02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  return std::string(text) + "E" + std::string(block) + "\r\n";
}

void WriteDurably(int folder, std::string_view name, const std::string& bytes, bool hidden) {
  const std::string target(name);
  const std::string temporary = target + ".tmp";
  const int fd =
      ::openat(folder, temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  Check(fd >= 0, "create");
  if (hidden) Check(::fsetxattr(fd, "user.DOSATTRIB", "0x2", 3, 0) == 0, "hide");
  Check(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()), "write");
  Check(::fsync(fd) == 0, "flush");
  // The file replaced is held open across the rename, and the renamed file flushed again: what a
  // replacement on a FAT volume needs so that its entry reaches the device with the new content.
  const int replaced = ::openat(folder, target.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  Check(::renameat(folder, temporary.c_str(), folder, target.c_str()) == 0, "rename");
  Check(::fsync(fd) == 0, "flush renamed");
  if (replaced >= 0) ::close(replaced);
  Check(::close(fd) == 0, "close");
  Check(::fsync(folder) == 0, "flush folder");
}

}  // namespace

void BareCommit(const std::filesystem::path& root, std::string_view block) {
  const int folder = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  Check(folder >= 0, "open folder");
  const std::string line = ReadFirstLine(folder, kIni);
  WriteDurably(folder, "date_time.cfg", ClockLine(block), false);
  std::string rebuilt = line.substr(0, 17) + std::string(block);
  if (line.size() > 31) rebuilt += line.substr(31, 16);
  WriteDurably(folder, "ravlen_setting.bak", rebuilt + "\r\n", true);
  Check(::unlinkat(folder, std::string(kIni).c_str(), 0) == 0, "delete");
  Check(::fsync(folder) == 0, "flush folder");
  ::close(folder);
}

}  // namespace bench
