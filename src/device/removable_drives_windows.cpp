#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cwchar>
#include <string>
#include <string_view>

#include "device/removable_drives.h"
#include "device/wide_text.h"

namespace device {

std::vector<Volume> RemovableDrives() {
  std::vector<Volume> drives;
  wchar_t roots[26 * 4 + 1] = {};
  const DWORD length = ::GetLogicalDriveStringsW(sizeof roots / sizeof roots[0], roots);
  if (length == 0 || length >= sizeof roots / sizeof roots[0]) return drives;
  // A card reader's empty slot would show the system's "insert a disk" box on the first access.
  const UINT previous_mode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  for (const wchar_t* root = roots; *root != L'\0'; root += std::wcslen(root) + 1) {
    if (::GetDriveTypeW(root) != DRIVE_REMOVABLE) continue;
    wchar_t label[MAX_PATH + 1] = {};
    if (!::GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr,
                                 0)) {
      continue;  // no medium in the drive
    }
    drives.push_back({std::filesystem::path(root), Utf8FromWide(label)});
  }
  ::SetErrorMode(previous_mode);
  return drives;
}

std::filesystem::path ExecutableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // a long path was cut short
  }
  return std::filesystem::path(path).parent_path();
}

}  // namespace device

#endif  // _WIN32
