#include "device/windows_headers.h"

#include "device/long_path_windows.h"
#include "device/volume_name_windows.h"

namespace device {

std::wstring VolumeMountPointOf(const std::filesystem::path& path) {
  // Asked with the extended path, the system finds the mount point of a path of any length; it is
  // a part of the path, with a backslash added at its end.
  const std::wstring full = ExtendedPath(path);
  std::wstring mount_point(full.size() + 2, L'\0');
  if (!::GetVolumePathNameW(full.c_str(), mount_point.data(),
                            static_cast<DWORD>(mount_point.size()))) {
    return {};
  }
  mount_point.resize(mount_point.find(L'\0'));
  // It answers in the extended form ("\\?\E:\"); the volume functions take the plain one.
  if (mount_point.rfind(L"\\\\?\\", 0) == 0 && mount_point.size() > 6 && mount_point[5] == L':') {
    mount_point.erase(0, 4);
  }
  if (!mount_point.empty() && mount_point.back() != L'\\') mount_point += L'\\';
  return mount_point;
}

std::wstring VolumeNameOf(const std::filesystem::path& path) {
  return VolumeNameAt(VolumeMountPointOf(path));
}

std::wstring VolumeNameAt(const std::wstring& mount_point) {
  // "\\?\Volume{GUID}\" has 49 characters.
  wchar_t name[64];
  if (mount_point.empty() || !::GetVolumeNameForVolumeMountPointW(mount_point.c_str(), name, 64)) {
    return {};
  }
  return name;
}

}  // namespace device
