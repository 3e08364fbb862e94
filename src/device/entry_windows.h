#pragma once

#ifdef _WIN32

#include "device/windows_headers.h"

#include <string>

namespace device {

// An entry itself, as a symbolic link or junction is seen without following it.
struct EntryInfo {
  DWORD attributes = 0;
  DWORD reparse_tag = 0;  // for a reparse point

  // A symbolic link, junction or mount point: never a file or a folder, whatever it points to.
  // Other reparse points (cloud placeholders, deduplicated and compressed files) are the files
  // and folders they look like.
  bool link() const;
  bool folder() const { return !link() && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
  bool regular() const {
    return !link() && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
  }
};

// What stands at `path`, or at an entry opened with FILE_FLAG_OPEN_REPARSE_POINT; false, with
// the system error set, when it cannot be looked at.
bool LookAt(const std::wstring& path, EntryInfo& entry);
bool LookAt(HANDLE opened, EntryInfo& entry);

}  // namespace device

#endif  // _WIN32
