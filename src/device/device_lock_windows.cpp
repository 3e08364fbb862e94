#include "device/windows_headers.h"
// After windows.h, which it needs.
#include <sddl.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <string>

#include "device/device_lock.h"
#include "device/device_lock_windows.h"
#include "device/errors.h"
#include "device/long_path_windows.h"
#include "device/volume_name_windows.h"
#include "language/message.h"

namespace device {
namespace {

// What a program needs to wait for the lock and to let it go again, and nothing more.
constexpr DWORD kLockAccess = SYNCHRONIZE | MUTEX_MODIFY_STATE;

// Who may use the lock, whoever made it: every signed-in user, in any session, may wait for it and
// let it go (0x00100001 is kLockAccess); nothing else is granted, so no one can change or delete
// it. Authenticated users rather than interactive ones only, so that a watch started by the task
// scheduler (a batch logon, without the interactive group) shares it too. The medium integrity
// label keeps an elevated program from leaving a high one (a creator's own level by default),
// which would refuse to the normal programs of the same user what the list grants them.
constexpr wchar_t kLockSecurity[] = L"D:P(A;;0x00100001;;;AU)S:(ML;;NW;;;ME)";

[[noreturn]] void FailToLock(DWORD error) {
  throw RuntimeFailure(
      language::Message(language::ToTranslate("Could not lock the recorder: system error {1}"),
                        {std::to_string(error)}));
}

// What names the recorder for every program on the PC: the name of its volume, which is the same
// whatever drive letter or folder it is mounted on, and the root's path below the volume's mount
// point (empty for a drive's root), so that other folders on the same volume have locks of their
// own; without a volume name (a network drive), the full path of the root. In capitals, as the
// file system matches names without regard to case.
std::wstring RecorderKey(const std::filesystem::path& root) {
  const auto without_final_backslashes = [](std::wstring path) {
    while (!path.empty() && path.back() == L'\\') path.pop_back();
    return path;
  };
  const std::wstring path = without_final_backslashes(ExtendedPath(root));
  std::wstring key = path;
  const std::wstring mount_point = VolumeMountPointOf(root);
  if (std::wstring volume = VolumeNameAt(mount_point); !volume.empty()) {
    const std::wstring mounted_at = without_final_backslashes(ExtendedPath(mount_point));
    const bool below = path.size() >= mounted_at.size() &&
                       ::CompareStringOrdinal(
                           path.c_str(), static_cast<int>(mounted_at.size()), mounted_at.c_str(),
                           static_cast<int>(mounted_at.size()), TRUE) == CSTR_EQUAL;
    key = volume + (below ? path.substr(mounted_at.size()) : path);
  }
  ::CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
  return key;
}

// The lock's mutex, made if no program has made it yet, else opened; the system error on failure.
HANDLE OpenLockMutex(const std::wstring& name, DWORD& error) {
  PSECURITY_DESCRIPTOR security = nullptr;
  if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(kLockSecurity, SDDL_REVISION_1,
                                                              &security, nullptr)) {
    error = ::GetLastError();
    return nullptr;
  }
  SECURITY_ATTRIBUTES attributes{sizeof attributes, security, FALSE};
  // Asked for with no more access than the list grants, an existing mutex opens as well.
  HANDLE mutex = ::CreateMutexExW(&attributes, name.c_str(), 0, kLockAccess);
  error = mutex == nullptr ? ::GetLastError() : 0;
  ::LocalFree(security);
  // Made by a program whose list does not let this one create (an older one's, or an
  // administrator's own): opening it may still be allowed.
  if (mutex == nullptr && error == ERROR_ACCESS_DENIED) {
    mutex = ::OpenMutexW(kLockAccess, FALSE, name.c_str());
    if (mutex == nullptr) error = ::GetLastError();
  }
  return mutex;
}

}  // namespace

std::wstring DeviceLockName(const std::filesystem::path& root) {
  // A mutex name may not hold backslashes past its namespace, and a path may be longer than a
  // name: the key goes into the name as its 64-bit FNV-1a hash.
  std::uint64_t hash = 14695981039346656037ull;
  for (const wchar_t c : RecorderKey(root)) {
    hash = (hash ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
  }
  wchar_t digits[17];
  std::swprintf(digits, 17, L"%016llx", static_cast<unsigned long long>(hash));
  // Global: the programs of every session share it, as they share the recorder (with fast user
  // switching, or a watch started by another user). Only file mappings and symbolic links need a
  // privilege to be made there; a mutex needs none.
  return std::wstring(L"Global\\datetime-cfg-creator-recorder-") + digits;
}

struct DeviceLock::Hold {
  HANDLE mutex;
};

DeviceLock::DeviceLock(const std::filesystem::path& root, std::chrono::milliseconds wait) {
  DWORD error = 0;
  const HANDLE mutex = OpenLockMutex(DeviceLockName(root), error);
  if (mutex == nullptr) FailToLock(error);
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
      throw RuntimeFailure(language::Message(kDeviceBusyMessage));
    default:
      error = result == WAIT_FAILED ? ::GetLastError() : result;
      ::CloseHandle(mutex);
      FailToLock(error);
  }
}

DeviceLock::~DeviceLock() {
  ::ReleaseMutex(hold_->mutex);
  ::CloseHandle(hold_->mutex);
}

}  // namespace device
