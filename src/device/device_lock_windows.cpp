#ifdef _WIN32

#include "device/windows_headers.h"

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <string>

#include "device/device_lock.h"
#include "device/errors.h"

namespace device {
namespace {

// The full path of `path`, as the system resolves it.
std::wstring FullPath(const std::filesystem::path& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return path.wstring();
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length);
  }
}

// What names the recorder for every program of the session: the name of its volume, which is the
// same whatever drive letter or folder it is mounted on; without one (a network drive), the full
// path of the root in capitals.
std::wstring RecorderKey(const std::filesystem::path& root) {
  const std::wstring full = FullPath(root);
  wchar_t volume_path[MAX_PATH + 1];
  // "\\?\Volume{GUID}\" has 49 characters.
  wchar_t volume_name[64];
  if (::GetVolumePathNameW(full.c_str(), volume_path, MAX_PATH + 1) &&
      ::GetVolumeNameForVolumeMountPointW(volume_path, volume_name, 64)) {
    return volume_name;
  }
  std::wstring key = full;
  while (key.size() > 3 && key.back() == L'\\') key.pop_back();
  ::CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
  return key;
}

// A mutex name may not hold backslashes past its namespace, and a path may be longer than a
// name: the key goes into the name as its 64-bit FNV-1a hash.
std::wstring MutexName(const std::filesystem::path& root) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const wchar_t c : RecorderKey(root)) {
    hash = (hash ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
  }
  wchar_t digits[17];
  std::swprintf(digits, 17, L"%016llx", static_cast<unsigned long long>(hash));
  return std::wstring(L"Local\\datetime-cfg-creator-recorder-") + digits;
}

}  // namespace

struct DeviceLock::Hold {
  HANDLE mutex;
};

DeviceLock::DeviceLock(const std::filesystem::path& root, std::chrono::milliseconds wait) {
  const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, MutexName(root).c_str());
  if (mutex == nullptr) {
    throw RuntimeFailure("Could not lock the recorder: system error " +
                         std::to_string(::GetLastError()));
  }
  const auto milliseconds =
      static_cast<DWORD>(std::clamp<long long>(wait.count(), 0, INFINITE - 1));
  switch (const DWORD result = ::WaitForSingleObject(mutex, milliseconds)) {
    case WAIT_OBJECT_0:
    // The program that held it ended without letting go; this Start reads the device afresh all
    // the same.
    case WAIT_ABANDONED:
      hold_ = std::make_unique<Hold>(Hold{mutex});
      return;
    case WAIT_TIMEOUT:
      ::CloseHandle(mutex);
      throw RuntimeFailure(std::string(kDeviceBusyMessage));
    default: {
      const DWORD error = result == WAIT_FAILED ? ::GetLastError() : result;
      ::CloseHandle(mutex);
      throw RuntimeFailure("Could not lock the recorder: system error " + std::to_string(error));
    }
  }
}

DeviceLock::~DeviceLock() {
  ::ReleaseMutex(hold_->mutex);
  ::CloseHandle(hold_->mutex);
}

}  // namespace device

#endif  // _WIN32
