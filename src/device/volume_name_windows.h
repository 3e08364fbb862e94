#pragma once

#ifdef _WIN32

#include <filesystem>
#include <string>

namespace device {

// Where the volume that holds `path` is mounted, as a drive letter's root ("E:\") or a folder
// ("C:\Mount\REC\"), with a backslash at its end; empty where it cannot be found.
std::wstring VolumeMountPointOf(const std::filesystem::path& path);

// The name of the volume that holds `path` ("\\?\Volume{GUID}\"), the same whatever drive letter
// or folder the volume is mounted on; empty where the system gives none (a network share, a
// drive mapped to a folder, a path that cannot be resolved).
std::wstring VolumeNameOf(const std::filesystem::path& path);
// The same for the volume mounted at `mount_point`, as VolumeMountPointOf gives it.
std::wstring VolumeNameAt(const std::wstring& mount_point);

}  // namespace device

#endif  // _WIN32
