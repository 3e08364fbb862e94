#include "device/windows_headers.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/busy_retry_windows.h"
#include "device/entry_windows.h"
#include "device/errors.h"
#include "device/file_system.h"
#include "device/long_path_windows.h"
#include "device/system_error_windows.h"
#include "device/temporary_name.h"
#include "device/wide_text.h"
#include "language/message.h"

namespace device {
namespace {

constexpr DWORD kAttributeSet =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
// The other attributes that a program may set on a file or folder. The rest (folder, reparse
// point, compression, encryption and so on) belong to the file system and are not passed back.
// Pinned and unpinned are a cloud placeholder's "always keep on this device" and "free up space".
constexpr DWORD kAttributePinned = 0x00080000;
constexpr DWORD kAttributeUnpinned = 0x00100000;
constexpr DWORD kOtherSettable = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY |
                                 FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED |
                                 kAttributePinned | kAttributeUnpinned;

constexpr const char* kFolderReason = "it is a folder";
constexpr const char* kLinkReason = "it is a symbolic link or junction";

// The system's text for an error code; its number where the system has none.
std::string Reason(DWORD error) {
  std::string reason = SystemErrorText(error);
  if (reason.empty()) reason = "system error " + std::to_string(error);
  return reason;
}

[[noreturn]] void Fail(const std::string& operation, std::string_view device_path, DWORD error) {
  throw DeviceError(operation, std::string(device_path), Reason(error));
}

// Fails with the error of the system call that has just failed.
[[noreturn]] void FailLast(const std::string& operation, std::string_view device_path) {
  Fail(operation, device_path, ::GetLastError());
}

// Fails for a reason of the program's own, not a system error.
[[noreturn]] void Refuse(const std::string& operation, std::string_view device_path,
                         const char* reason) {
  throw DeviceError(operation, std::string(device_path), reason);
}

// 0 when a system call succeeded, else its error.
DWORD ErrorOf(BOOL succeeded) {
  return succeeded ? 0 : ::GetLastError();
}

// Closes a handle when it goes out of scope.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(Handle&& other) noexcept : handle_(other.handle_) { other.handle_ = INVALID_HANDLE_VALUE; }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (valid()) ::CloseHandle(handle_);
  }
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  // Closes the handle now; returns the system error, or 0 when it closed cleanly.
  DWORD Close() {
    const BOOL closed = ::CloseHandle(handle_);
    const DWORD error = closed ? 0 : ::GetLastError();
    handle_ = INVALID_HANDLE_VALUE;
    return error;
  }

 private:
  HANDLE handle_;
};

// Opens an existing file or folder itself, never the target of a symbolic link or junction, and
// without keeping others from reading, writing or deleting it.
HANDLE OpenEntryHandle(const std::wstring& path, DWORD access) {
  return ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING,
                       FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

Handle OpenEntry(const std::wstring& path, DWORD access) {
  return Handle(OpenEntryHandle(path, access));
}

// The same, tried again while another handle is in the way; the system error is set on failure.
Handle OpenEntry(const std::wstring& path, DWORD access, BusyRetry& retry) {
  HANDLE handle = INVALID_HANDLE_VALUE;
  const DWORD error = retry.Run(
      [&]() -> DWORD {
        handle = OpenEntryHandle(path, access);
        return handle == INVALID_HANDLE_VALUE ? ::GetLastError() : 0;
      },
      path);
  ::SetLastError(error);
  return Handle(handle);
}

// What an open entry is; false (with the system error set) when it cannot be looked at.
bool LookAt(const Handle& opened, EntryInfo& entry) {
  return LookAt(opened.get(), entry);
}

// Gives an open entry the attributes `attributes`; false (with the system error set) on failure.
// The time stamps stay as they are.
bool WriteAttributes(const Handle& entry, DWORD attributes) {
  FILE_BASIC_INFO information{};
  information.FileAttributes = attributes & (kAttributeSet | kOtherSettable);
  // Zero would mean "leave the attributes unchanged"; this value means "none of them".
  if (information.FileAttributes == 0) information.FileAttributes = FILE_ATTRIBUTE_NORMAL;
  return ::SetFileInformationByHandle(entry.get(), FileBasicInfo, &information,
                                      sizeof information) != 0;
}

// What stands at `path`, nothing when it is missing. A symbolic link or junction is neither a
// file nor a folder, whatever it points to.
std::optional<EntryInfo> Inspect(const std::wstring& path, const std::string& operation,
                                 std::string_view device_path) {
  EntryInfo entry;
  if (!LookAt(path, entry)) {
    // Only a missing entry is absent; one that cannot be looked at (access denied, a drive that
    // went away) is a failure, not a reason to take another file.
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
    Fail(operation, device_path, error);
  }
  return entry;
}

// Whether an entry's data is kept by a file-system filter (a cloud placeholder, a deduplicated or
// compressed file): a reparse point that is no link.
bool ServedByFilter(const EntryInfo& entry) {
  return (entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && !entry.link();
}

// Whether two handles are open on one file.
bool SameFile(const Handle& a, const Handle& b) {
  BY_HANDLE_FILE_INFORMATION first{};
  BY_HANDLE_FILE_INFORMATION second{};
  return ::GetFileInformationByHandle(a.get(), &first) &&
         ::GetFileInformationByHandle(b.get(), &second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

// The file at `path`, which `looked_at` holds as itself, opened for reading the ordinary way.
// Opened as itself, a filter's file shows what the disk holds (a placeholder's nothing, a
// deduplicated file's stub); opened the ordinary way, the filter serves its contents. That way
// would follow a link put in the file's place meanwhile, so it must be the very file looked at.
Handle OpenServed(const Handle& looked_at, const std::wstring& path, std::string_view device_path) {
  Handle served(::CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr));
  if (!served.valid()) FailLast("read", device_path);
  if (!SameFile(looked_at, served)) Refuse("read", device_path, kLinkReason);
  return served;
}

void WriteAll(HANDLE file, std::string_view bytes, std::string_view device_path) {
  constexpr std::size_t kChunk = 1 << 20;
  while (!bytes.empty()) {
    const auto size = static_cast<DWORD>(std::min(bytes.size(), kChunk));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), size, &written, nullptr)) FailLast("write", device_path);
    if (written == 0) Fail("write", device_path, ERROR_DISK_FULL);
    bytes.remove_prefix(written);
  }
}

// Gives the entry at `path` its attributes back after a failed replacement, unless something
// else has taken its place meanwhile. The replacement's own error is what gets reported, so a
// failure here is let go.
void RestoreAttributes(const std::wstring& path, DWORD attributes) {
  BusyRetry retry;
  Handle entry = OpenEntry(path, FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, retry);
  EntryInfo current;
  if (!entry.valid() || !LookAt(entry, current)) return;
  if (!current.regular()) return;
  const DWORD restored = (current.attributes & ~kAttributeSet) | (attributes & kAttributeSet);
  retry.Run([&] { return ErrorOf(WriteAttributes(entry, restored)); }, path);
}

// Renames the finished temporary file over the target; with the write-through flag the function
// returns only once the file has been moved on the disk. A file that another program holds open
// cannot be replaced: the rename is tried again while it is busy.
void MoveIntoPlace(const std::wstring& from, const std::wstring& to, std::string_view device_path) {
  constexpr DWORD kFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
  constexpr DWORD kBlocking = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  const auto move = [&] { return ErrorOf(::MoveFileExW(from.c_str(), to.c_str(), kFlags)); };
  BusyRetry retry;
  // A hidden or system target that refuses the rename goes to the fallback below at once, where
  // the rename is tried again while the target is busy.
  const DWORD error = retry.Run(move, to, kBlocking);
  if (error == 0) return;
  if (error != ERROR_ACCESS_DENIED) Fail("write", device_path, error);

  // Some file systems refuse to replace a hidden or system file. The old file then gets normal
  // attributes and the rename is tried once more; the old file stays in place all the while and
  // gets its attributes back if the second try fails too.
  DWORD old_attributes = 0;
  {
    Handle target = OpenEntry(to, FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, retry);
    EntryInfo old;
    if (!target.valid() || !LookAt(target, old)) Fail("write", device_path, error);
    if (old.link()) Refuse("write", device_path, kLinkReason);
    if (old.folder()) Refuse("write", device_path, kFolderReason);
    old_attributes = old.attributes;
    if ((old_attributes & FILE_ATTRIBUTE_READONLY) != 0 || (old_attributes & kBlocking) == 0) {
      Fail("write", device_path, error);
    }
    const DWORD cleared = old_attributes & ~kBlocking;
    if (retry.Run([&] { return ErrorOf(WriteAttributes(target, cleared)); }, to) != 0) {
      Fail("write", device_path, error);
    }
    // The handle is closed before the retry: a file that is still open cannot be replaced.
  }
  const DWORD retry_error = retry.Run(move, to);
  if (retry_error == 0) return;
  RestoreAttributes(to, old_attributes);
  Fail("write", device_path, retry_error);
}

// Flushes the renamed file once more, opened by its final name (never a link's target): the
// flush has the file system write the data and metadata of the file as it now stands, whatever
// the rename left in the cache.
void FlushInPlace(const std::wstring& path, std::string_view device_path) {
  BusyRetry retry;
  const Handle renamed = OpenEntry(path, GENERIC_WRITE, retry);
  if (!renamed.valid()) FailLast("write", device_path);
  if (!::FlushFileBuffers(renamed.get())) FailLast("write", device_path);
}

// A temporary file that is removed again unless it was renamed into place.
class TemporaryFile {
 public:
  TemporaryFile(const FileSystem& file_system, std::string_view target) {
    BusyRetry retry;
    for (std::size_t attempt = 0;; ++attempt) {
      device_path_ = TemporaryNameFor(target, attempt);
      path_ = ExtendedPath(file_system.Resolve(device_path_));
      // With the reparse-point flag an existing link of this name counts as taken instead of
      // having its target created. Others may read the file meanwhile, as they may every file
      // of the program's: none is locked. A name whose last file is still being deleted is busy.
      const DWORD error = retry.Run(
          [&]() -> DWORD {
            file_ =
                ::CreateFileW(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
            return file_ == INVALID_HANDLE_VALUE ? ::GetLastError() : 0;
          },
          path_);
      if (error == 0) return;
      const bool taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
      if (!taken) Fail("create a temporary file for", target, error);
    }
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (file_ != INVALID_HANDLE_VALUE) ::CloseHandle(file_);
    // A scanner may be reading the file that has just been closed: the deletion waits for it.
    if (!renamed_) BusyRetry().Run([&] { return ErrorOf(::DeleteFileW(path_.c_str())); }, path_);
  }

  HANDLE file() const { return file_; }
  const std::string& device_path() const { return device_path_; }
  const std::wstring& path() const { return path_; }
  // Closes the file; returns the system error, or 0 when it closed cleanly.
  DWORD Close() {
    const BOOL closed = ::CloseHandle(file_);
    const DWORD error = closed ? 0 : ::GetLastError();
    file_ = INVALID_HANDLE_VALUE;
    return error;
  }
  void MarkRenamed() { renamed_ = true; }

 private:
  std::string device_path_;
  std::wstring path_;
  HANDLE file_ = INVALID_HANDLE_VALUE;
  bool renamed_ = false;
};

}  // namespace

bool FileSystem::FileExists(std::string_view device_path) const {
  const auto entry = Inspect(ExtendedPath(Resolve(device_path)), "read", device_path);
  return entry && entry->regular() && (entry->attributes & FILE_ATTRIBUTE_SYSTEM) == 0;
}

bool FileSystem::EntryExists(std::string_view device_path) const {
  const auto entry = Inspect(ExtendedPath(Resolve(device_path)), "read", device_path);
  return entry && (entry->regular() || entry->folder());
}

void FileSystem::SetAttributes(std::string_view device_path, Attributes attributes) {
  const std::string operation = "change the attributes of";
  Step("set attributes", device_path);
  const std::wstring path = ExtendedPath(Resolve(device_path));
  // The check and the change go through one handle, so a link put in place between them is
  // never changed.
  BusyRetry retry;
  Handle entry = OpenEntry(path, FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, retry);
  if (!entry.valid()) FailLast(operation, device_path);
  EntryInfo old;
  if (!LookAt(entry, old)) FailLast(operation, device_path);
  if (old.link()) Refuse(operation, device_path, kLinkReason);
  const DWORD old_attributes = old.attributes;
  const DWORD wanted = attributes == Attributes::kHidden ? FILE_ATTRIBUTE_HIDDEN : 0;
  const DWORD new_attributes = (old_attributes & ~kAttributeSet) | wanted;
  if (new_attributes == old_attributes) return;
  if (const DWORD error =
          retry.Run([&] { return ErrorOf(WriteAttributes(entry, new_attributes)); }, path);
      error != 0) {
    Fail(operation, device_path, error);
  }
}

void FileSystem::RemoveFile(std::string_view device_path) {
  Step("delete", device_path);
  const std::wstring path = ExtendedPath(Resolve(device_path));
  EntryInfo entry;
  if (!LookAt(path, entry)) FailLast("delete", device_path);
  if (entry.link()) Refuse("delete", device_path, kLinkReason);
  if (entry.folder()) Refuse("delete", device_path, kFolderReason);
  // Should a link take the file's place after the check, this removes the link itself, never
  // what it points to.
  if (const DWORD error =
          BusyRetry().Run([&] { return ErrorOf(::DeleteFileW(path.c_str())); }, path);
      error != 0) {
    Fail("delete", device_path, error);
  }
}

std::string FileSystem::ReadFirstLine(std::string_view device_path) const {
  const std::wstring path = ExtendedPath(Resolve(device_path));
  Handle opened = OpenEntry(path, GENERIC_READ);
  if (!opened.valid()) FailLast("read", device_path);
  EntryInfo entry;
  if (!LookAt(opened, entry)) FailLast("read", device_path);
  if (entry.link()) Refuse("read", device_path, kLinkReason);
  if (entry.folder()) Refuse("read", device_path, kFolderReason);
  Handle file = ServedByFilter(entry) ? OpenServed(opened, path, device_path) : std::move(opened);

  std::string bytes;
  char buffer[4096];
  while (bytes.size() < kFirstLineReadLimit && bytes.find('\r') == std::string::npos) {
    DWORD count = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &count, nullptr)) {
      FailLast("read", device_path);
    }
    if (count == 0) break;
    bytes.append(buffer, count);
  }
  return FirstLineRead(bytes, device_path);
}

void FileSystem::WriteLine(std::string_view device_path, std::string_view text) {
  const std::wstring path = ExtendedPath(Resolve(device_path));
  const std::optional<EntryInfo> existing = Inspect(path, "write", device_path);
  // A link to a file is replaced by a file of its own, as on Linux, and its target stays as it
  // was; a link to a folder or a junction cannot give way to a file.
  if (existing && existing->link() && (existing->attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    Refuse("write", device_path, kLinkReason);
  }
  if (existing && existing->folder()) Refuse("write", device_path, kFolderReason);
  const bool replaces_file = existing && existing->regular();
  if (replaces_file && (existing->attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    throw DeviceError("write", std::string(device_path),
                      language::Message(language::ToTranslate("the file is read-only")));
  }

  Step("create", device_path);
  TemporaryFile temporary(*this, device_path);
  std::string bytes(text);
  bytes += "\r\n";
  Step("write", temporary.device_path());
  WriteAll(temporary.file(), bytes, device_path);
  Step("flush", temporary.device_path());
  if (!::FlushFileBuffers(temporary.file())) FailLast("write", device_path);
  Step("close", temporary.device_path());
  if (const DWORD error = temporary.Close(); error != 0) Fail("write", device_path, error);
  // The new file takes over the hidden and system attributes of the file it replaces.
  if (const DWORD kept =
          replaces_file ? existing->attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)
                        : 0;
      kept != 0) {
    const auto set = [&] { return ErrorOf(::SetFileAttributesW(temporary.path().c_str(), kept)); };
    if (const DWORD error = BusyRetry().Run(set, temporary.path()); error != 0) {
      Fail("write", device_path, error);
    }
  }
  Step("rename", device_path);
  MoveIntoPlace(temporary.path(), path, device_path);
  temporary.MarkRenamed();
  // Windows documents no flush of a folder; the rename has written through, and in the folder's
  // step the renamed file is flushed once more by its final name.
  Step("flush folder", device_path);
  FlushInPlace(path, device_path);
}

bool IsFolder(const std::filesystem::path& path) {
  const DWORD attributes = ::GetFileAttributesW(ExtendedPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::string> UnreachableReason(const std::filesystem::path& path) {
  if (::GetFileAttributesW(ExtendedPath(path).c_str()) != INVALID_FILE_ATTRIBUTES) {
    return std::nullopt;
  }
  switch (const DWORD error = ::GetLastError()) {
    // Nothing there, a file on the way, a name no file can have, no such drive or share.
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return std::nullopt;
    default:
      return Reason(error);
  }
}

std::vector<std::string> FileSystem::RootFileNames() const {
  const auto fail = [this](DWORD error) { throw RootReadError(root_, Reason(error)); };
  WIN32_FIND_DATAW found{};
  std::wstring pattern = ExtendedPath(root_);
  if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
  pattern += L'*';
  const HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
  std::vector<std::string> names;
  if (search == INVALID_HANDLE_VALUE) {
    // The root of an empty drive has not even "." and "..".
    if (const DWORD error = ::GetLastError(); error != ERROR_FILE_NOT_FOUND) fail(error);
    return names;
  }
  do {
    // The listing gives a reparse point's tag with it: a symbolic link or junction never counts.
    const EntryInfo entry{found.dwFileAttributes, found.dwReserved0};
    if (entry.regular()) names.push_back(Utf8FromWide(found.cFileName));
  } while (::FindNextFileW(search, &found));
  const DWORD error = ::GetLastError();
  ::FindClose(search);
  if (error != ERROR_NO_MORE_FILES) fail(error);
  return names;
}

}  // namespace device
