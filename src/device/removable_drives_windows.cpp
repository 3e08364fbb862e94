#include "device/windows_headers.h"
// After windows.h, which it needs.
#include <winioctl.h>

#include <cstddef>
#include <cwchar>
#include <string>
#include <string_view>

#include "device/removable_drives.h"
#include "device/volume_name_windows.h"
#include "device/wide_text.h"

namespace device {
namespace {

// The root of the drive that holds Windows ("C:\"), which is never a recorder.
std::wstring SystemDriveRoot() {
  wchar_t folder[MAX_PATH + 1] = {};
  const UINT length = ::GetSystemWindowsDirectoryW(folder, MAX_PATH + 1);
  if (length < 3 || length > MAX_PATH) return {};
  return std::wstring(folder, 3);
}

// Whether the disk behind a drive ("E:\") is attached through USB. Many flash drives, card
// readers and recorders report their medium as fixed, so the drive type alone misses them.
bool OnUsbBus(const wchar_t* root) {
  const std::wstring volume = L"\\\\.\\" + std::wstring(root, 2);
  // No access rights are needed to ask a device for its properties.
  const HANDLE device = ::CreateFileW(volume.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
  if (device == INVALID_HANDLE_VALUE) return false;
  STORAGE_PROPERTY_QUERY query{};
  query.PropertyId = StorageDeviceProperty;
  query.QueryType = PropertyStandardQuery;
  // The descriptor is followed by the device's identification strings; only its fixed part is
  // read, and the call fills as much of it as fits.
  alignas(STORAGE_DEVICE_DESCRIPTOR) unsigned char buffer[1024] = {};
  DWORD returned = 0;
  const BOOL answered = ::DeviceIoControl(device, IOCTL_STORAGE_QUERY_PROPERTY, &query,
                                          sizeof query, buffer, sizeof buffer, &returned, nullptr);
  ::CloseHandle(device);
  const auto* descriptor = reinterpret_cast<const STORAGE_DEVICE_DESCRIPTOR*>(buffer);
  constexpr std::size_t kBusTypeEnd =
      offsetof(STORAGE_DEVICE_DESCRIPTOR, BusType) + sizeof descriptor->BusType;
  return answered && returned >= kBusTypeEnd && descriptor->BusType == BusTypeUsb;
}

bool MayHoldRecorder(const wchar_t* root, const std::wstring& system_drive) {
  if (_wcsicmp(root, system_drive.c_str()) == 0) return false;
  switch (::GetDriveTypeW(root)) {
    case DRIVE_REMOVABLE:
      return true;
    case DRIVE_FIXED:
      return OnUsbBus(root);
    default:
      return false;
  }
}

}  // namespace

std::vector<Volume> RemovableDrives() {
  std::vector<Volume> drives;
  wchar_t roots[26 * 4 + 1] = {};
  const DWORD length = ::GetLogicalDriveStringsW(sizeof roots / sizeof roots[0], roots);
  if (length == 0 || length >= sizeof roots / sizeof roots[0]) return drives;
  const std::wstring system_drive = SystemDriveRoot();
  for (const wchar_t* root = roots; *root != L'\0'; root += std::wcslen(root) + 1) {
    if (!MayHoldRecorder(root, system_drive)) continue;
    wchar_t label[MAX_PATH + 1] = {};
    if (!::GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr,
                                 0)) {
      continue;  // no medium in the drive
    }
    drives.push_back({std::filesystem::path(root), Utf8FromWide(label)});
  }
  // A volume that has several drive letters is one recorder, known by its first letter.
  return OncePerVolume(drives, VolumeNameOf);
}

bool OnRecorderVolume(const std::filesystem::path& folder) {
  const std::wstring root = VolumeMountPointOf(folder);
  // A drive letter's root ("E:\"); a folder mounted elsewhere, or a network share, is none.
  if (root.size() != 3 || root[1] != L':') return false;
  return MayHoldRecorder(root.c_str(), SystemDriveRoot());
}

std::filesystem::path ExecutablePath() {
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
  return path;
}

std::filesystem::path ExecutableFolder() {
  return ExecutablePath().parent_path();
}

}  // namespace device
