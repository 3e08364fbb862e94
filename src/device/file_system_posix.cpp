#include <dirent.h>
#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/descriptor_posix.h"
#include "device/errors.h"
#include "device/fat_volume_posix.h"
#include "device/file_system.h"
#include "device/temporary_name.h"
#include "language/message.h"

namespace device {
namespace {

constexpr std::uint32_t kReadOnly = 0x1;
constexpr std::uint32_t kHidden = 0x2;
constexpr std::uint32_t kSystem = 0x4;
constexpr std::uint32_t kAttributeSet = kReadOnly | kHidden | kSystem;
constexpr const char* kDosAttributeName = "user.DOSATTRIB";

std::string Reason(int error) {
  return std::strerror(error);
}

[[noreturn]] void Fail(const std::string& operation, std::string_view device_path, int error) {
  throw DeviceError(operation, std::string(device_path), Reason(error));
}

// Opens an existing entry without following a symbolic link and without blocking on a FIFO.
Descriptor OpenEntry(const std::filesystem::path& path) {
  return Descriptor(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
}

bool IsFat(int fd) {
  struct statfs volume {};
  return ::fstatfs(fd, &volume) == 0 && IsFatVolume(volume);
}

// user.DOSATTRIB holds the attribute bits as hexadecimal text, such as "0x2".
std::uint32_t ParseDosAttributes(const char* text, ssize_t length) {
  std::string value(text, static_cast<std::size_t>(length));
  if (value.rfind("0x", 0) != 0) return 0;
  std::uint32_t bits = 0;
  for (std::size_t i = 2; i < value.size(); ++i) {
    const char c = value[i];
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      break;
    }
    bits = (bits << 4) | static_cast<std::uint32_t>(digit);
  }
  return bits;
}

std::uint32_t ReadDosAttributes(int fd) {
  char text[64];
  const ssize_t length = ::fgetxattr(fd, kDosAttributeName, text, sizeof text);
  return length > 0 ? ParseDosAttributes(text, length) : 0;
}

// The read-only, hidden and system bits of an open entry.
std::uint32_t AttributesOf(int fd, const struct stat& status) {
  if (IsFat(fd)) {
    std::uint32_t bits = 0;
    if (::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &bits) == 0) return bits & kAttributeSet;
  }
  std::uint32_t bits = ReadDosAttributes(fd) & (kHidden | kSystem);
  if ((status.st_mode & S_IWUSR) == 0) bits |= kReadOnly;
  return bits;
}

struct Entry {
  bool regular = false;
  bool folder = false;
  std::uint32_t attributes = 0;
};

// What stands at `path`: nothing when it is missing, a symbolic link or something else than a
// file or folder. An entry that cannot be looked at (a folder on the way that cannot be searched,
// an I/O error) fails `operation`: taking it as missing would let the program go on as if it
// were not there. An entry that cannot be opened still exists; only its attributes are unknown,
// and a read of it fails.
Entry Inspect(const std::filesystem::path& path, const std::string& operation,
              std::string_view device_path) {
  Entry entry;
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return entry;
    Fail(operation, device_path, errno);
  }
  entry.regular = S_ISREG(status.st_mode);
  entry.folder = S_ISDIR(status.st_mode);
  if (!entry.regular && !entry.folder) return entry;
  if (Descriptor fd = OpenEntry(path); fd.valid())
    entry.attributes = AttributesOf(fd.get(), status);
  return entry;
}

void SetAttributeBits(int fd, std::uint32_t wanted, std::string_view device_path) {
  const std::string operation = "change the attributes of";
  if (IsFat(fd)) {
    std::uint32_t bits = 0;
    if (::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &bits) != 0) Fail(operation, device_path, errno);
    bits = (bits & ~kAttributeSet) | wanted;
    if (::ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &bits) != 0) Fail(operation, device_path, errno);
    return;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0) Fail(operation, device_path, errno);
  if ((status.st_mode & S_IWUSR) == 0 && ::fchmod(fd, status.st_mode | S_IWUSR) != 0) {
    Fail(operation, device_path, errno);
  }
  const std::uint32_t old_bits = ReadDosAttributes(fd);
  const std::uint32_t bits = (old_bits & ~(kHidden | kSystem)) | (wanted & (kHidden | kSystem));
  if (bits == old_bits) return;
  if (bits == 0) {
    if (::fremovexattr(fd, kDosAttributeName) != 0 && errno != ENODATA) {
      Fail(operation, device_path, errno);
    }
    return;
  }
  char text[16];
  const int length = std::snprintf(text, sizeof text, "0x%x", bits);
  if (::fsetxattr(fd, kDosAttributeName, text, static_cast<std::size_t>(length), 0) != 0) {
    // A file system without user attributes has no hidden files: there is nothing to set.
    if (errno == ENOTSUP) return;
    Fail(operation, device_path, errno);
  }
}

void SyncFolder(const std::filesystem::path& folder, std::string_view device_path) {
  Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.valid()) Fail("flush the folder of", device_path, errno);
  if (::fsync(fd.get()) != 0 && errno != EINVAL) Fail("flush the folder of", device_path, errno);
}

void WriteAll(int fd, std::string_view bytes, std::string_view device_path) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      Fail("write", device_path, errno);
    }
    if (written == 0) Fail("write", device_path, ENOSPC);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

// A temporary file that is removed again unless it was renamed into place.
class TemporaryFile {
 public:
  TemporaryFile(const FileSystem& file_system, std::string_view target) {
    // Taken names are passed over, however many there are.
    for (std::size_t attempt = 0;; ++attempt) {
      device_path_ = TemporaryNameFor(target, attempt);
      path_ = file_system.Resolve(device_path_);
      const int fd =
          ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
      if (fd >= 0) {
        fd_ = fd;
        return;
      }
      if (errno != EEXIST) Fail("create a temporary file for", target, errno);
    }
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!renamed_) ::unlink(path_.c_str());
  }

  int fd() const { return fd_; }
  const std::string& device_path() const { return device_path_; }
  const std::filesystem::path& path() const { return path_; }
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }
  void MarkRenamed() { renamed_ = true; }

 private:
  std::string device_path_;
  std::filesystem::path path_;
  int fd_ = -1;
  bool renamed_ = false;
};

}  // namespace

bool FileSystem::FileExists(std::string_view device_path) const {
  const Entry entry = Inspect(Resolve(device_path), "read", device_path);
  return entry.regular && (entry.attributes & kSystem) == 0;
}

bool FileSystem::EntryExists(std::string_view device_path) const {
  const Entry entry = Inspect(Resolve(device_path), "read", device_path);
  return entry.regular || entry.folder;
}

void FileSystem::SetAttributes(std::string_view device_path, Attributes attributes) {
  Step("set attributes", device_path);
  const auto path = Resolve(device_path);
  Descriptor fd = OpenEntry(path);
  if (!fd.valid()) Fail("change the attributes of", device_path, errno);
  SetAttributeBits(fd.get(), attributes == Attributes::kHidden ? kHidden : 0, device_path);
  // The attributes are on the device before the program goes on (and before it ends).
  if (::fsync(fd.get()) != 0 && errno != EINVAL)
    Fail("change the attributes of", device_path, errno);
}

void FileSystem::RemoveFile(std::string_view device_path) {
  Step("delete", device_path);
  const auto path = Resolve(device_path);
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) Fail("delete", device_path, errno);
  if (!S_ISREG(status.st_mode))
    Fail("delete", device_path, S_ISDIR(status.st_mode) ? EISDIR : EPERM);
  if (::unlink(path.c_str()) != 0) Fail("delete", device_path, errno);
  SyncFolder(path.parent_path(), device_path);
}

std::string FileSystem::ReadFirstLine(std::string_view device_path) const {
  const auto path = Resolve(device_path);
  Descriptor fd = OpenEntry(path);
  if (!fd.valid()) Fail("read", device_path, errno);
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0) Fail("read", device_path, errno);
  if (!S_ISREG(status.st_mode))
    Fail("read", device_path, S_ISDIR(status.st_mode) ? EISDIR : EINVAL);

  std::string bytes;
  char buffer[4096];
  while (bytes.size() < kFirstLineReadLimit && bytes.find('\r') == std::string::npos) {
    const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
    if (count < 0) {
      if (errno == EINTR) continue;
      Fail("read", device_path, errno);
    }
    if (count == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
  return FirstLineRead(bytes, device_path);
}

void FileSystem::WriteLine(std::string_view device_path, std::string_view text) {
  const auto path = Resolve(device_path);
  const Entry existing = Inspect(path, "write", device_path);
  if (existing.folder) Fail("write", device_path, EISDIR);
  if (existing.regular && (existing.attributes & kReadOnly) != 0) {
    throw DeviceError("write", std::string(device_path),
                      language::Message(language::ToTranslate("the file is read-only")));
  }

  Step("create", device_path);
  TemporaryFile temporary(*this, device_path);
  // The new file takes over the hidden and system attributes of the file it replaces.
  if (const std::uint32_t kept = existing.regular ? existing.attributes & (kHidden | kSystem) : 0;
      kept != 0) {
    SetAttributeBits(temporary.fd(), kept, device_path);
  }
  std::string bytes(text);
  bytes += "\r\n";
  Step("write", temporary.device_path());
  WriteAll(temporary.fd(), bytes, device_path);
  Step("flush", temporary.device_path());
  if (::fsync(temporary.fd()) != 0) Fail("write", device_path, errno);
  // On FAT a rename over a file reuses that file's directory entry, which keeps pointing at the
  // old clusters until the renamed file's own metadata is written, while the old clusters are
  // freed as soon as nothing holds the old file. Holding it open until the new file is flushed
  // keeps its clusters, and so its content, on the device until the entry points at the new ones.
  {
    const Descriptor replaced = existing.regular ? OpenEntry(path) : Descriptor(-1);
    Step("rename", device_path);
    if (::rename(temporary.path().c_str(), path.c_str()) != 0) Fail("write", device_path, errno);
    temporary.MarkRenamed();
    // The renamed file's size and first cluster reach its directory entry only with its own
    // metadata, so it is flushed again, through the descriptor kept open: flushing the folder
    // alone would leave an empty file on a FAT volume.
    Step("flush", device_path);
    if (::fsync(temporary.fd()) != 0) Fail("write", device_path, errno);
  }
  Step("close", device_path);
  if (const int error = temporary.Close(); error != 0) Fail("write", device_path, error);
  Step("flush folder", device_path);
  SyncFolder(path.parent_path(), device_path);
}

bool IsFolder(const std::filesystem::path& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::optional<std::string> UnreachableReason(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0) return std::nullopt;
  const int error = errno;
  if (error == ENOENT || error == ENOTDIR) return std::nullopt;
  return Reason(error);
}

std::vector<std::string> FileSystem::RootFileNames() const {
  const auto fail = [this](int error) { throw RootReadError(root_, Reason(error)); };
  const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(root_.c_str()), ::closedir);
  if (!listing) fail(errno);
  std::vector<std::string> names;
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(listing.get());
    if (entry == nullptr) {
      if (errno != 0) fail(errno);
      return names;
    }
    bool regular = entry->d_type == DT_REG;
    // Not every file system tells the kind of an entry in its listing.
    if (entry->d_type == DT_UNKNOWN) {
      struct stat status {};
      regular =
          ::fstatat(::dirfd(listing.get()), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
          S_ISREG(status.st_mode);
    }
    if (regular) names.emplace_back(entry->d_name);
  }
}

}  // namespace device
