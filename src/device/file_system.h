#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace device {

// The attribute sets that the program gives a file or folder.
enum class Attributes {
  kNormal,  // not hidden, not system, not read-only
  kHidden,  // hidden alone
};

// Called before every step that changes the device, with the step's name ("create", "write",
// "flush", "close", "rename", "flush folder", "set attributes", "delete")
// and the device path it acts on. Tests throw from it to make that step fail or to stop there.
using StepHook = std::function<void(std::string_view step, std::string_view device_path)>;

// The recorder's drive. Paths are device paths: relative to the device root, beginning with a
// backslash ("\date_time.cfg"). Symbolic links are never followed for a write, a deletion or an
// attribute change, and never count as an existing file or entry. Every operation that fails
// throws DeviceError.
class FileSystem {
 public:
  explicit FileSystem(std::filesystem::path root, StepHook hook = {});

  const std::filesystem::path& root() const { return root_; }

  // A regular file that is normal, read-only or hidden; not a folder, not a system file.
  bool FileExists(std::string_view device_path) const;
  // A regular file or a folder, whatever its attributes.
  bool EntryExists(std::string_view device_path) const;
  // The names of the regular files in the root, whatever their attributes, from one listing of
  // it; folders, symbolic links and other entries are left out. Fails when the root cannot be
  // listed.
  std::vector<std::string> RootFileNames() const;

  void SetAttributes(std::string_view device_path, Attributes attributes);
  void RemoveFile(std::string_view device_path);

  // The bytes of the first line, without its end: a line ends at CR (or CR LF); a lone LF
  // belongs to the line. A file of zero bytes has no first line and the read fails.
  std::string ReadFirstLine(std::string_view device_path) const;

  // Replaces the file with `text` followed by CR LF. The bytes go to a temporary file beside it,
  // which is flushed, renamed over the file and flushed again; on Linux the file replaced is held
  // open until then and the folder is flushed, on Windows (where an open file cannot be replaced)
  // the rename writes through. At every moment the device holds either the old file or the whole
  // new one. A read-only file is not replaced; a hidden or system file stays hidden or system.
  void WriteLine(std::string_view device_path, std::string_view text);

  std::filesystem::path Resolve(std::string_view device_path) const;

 private:
  void Step(std::string_view step, std::string_view device_path) const;

  std::filesystem::path root_;
  StepHook hook_;
};

// Whether `path` is a folder, however long its path; one that cannot be looked at is none.
bool IsFolder(const std::filesystem::path& path);

// Why `path` cannot be looked at, in the system's words: a folder on the way that may not be
// searched ("Permission denied"), a path too long for the system ("File name too long"), an I/O
// error. None where it can be looked at, and where nothing is there or a file stands on the way:
// then it is simply no folder.
std::optional<std::string> UnreachableReason(const std::filesystem::path& path);

// The first line of a file's bytes, as ReadFirstLine defines it.
std::string FirstLineOf(std::string_view bytes);
// ReadFirstLine's result from the bytes read of the file at `device_path`: their first line, cut
// at kFirstLineReadLimit. No bytes at all fail as an empty file.
std::string FirstLineRead(std::string_view bytes, std::string_view device_path);

// Longest first line read; the program uses the first 47 characters, so a longer line loses
// nothing that it writes back, and a hostile file cannot make it read gigabytes.
inline constexpr std::size_t kFirstLineReadLimit = 64 * 1024;

}  // namespace device
