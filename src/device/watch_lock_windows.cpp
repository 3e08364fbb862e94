#include "device/windows_headers.h"
// After windows.h, which they need.
#include <aclapi.h>
#include <sddl.h>

#include <string>
#include <vector>

#include "device/system_error_windows.h"
#include "device/watch_lock.h"

namespace device {
namespace {

// What a watch needs to hold the lock, to let it go, and to read who made it.
constexpr DWORD kLockAccess = SYNCHRONIZE | MUTEX_MODIFY_STATE | READ_CONTROL;

std::string SystemReason(const std::string& what, DWORD error) {
  std::string text = what + ": system error " + std::to_string(error);
  if (const std::string reason = SystemErrorText(error); !reason.empty())
    text += " (" + reason + ")";
  return text;
}

// The user that the program runs as (TOKEN_USER), or empty with `error` set.
std::vector<BYTE> ProcessUser(DWORD& error) {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
    error = ::GetLastError();
    return {};
  }
  DWORD size = 0;
  ::GetTokenInformation(token, ::TokenUser, nullptr, 0, &size);
  std::vector<BYTE> user(size);
  if (size == 0 || !::GetTokenInformation(token, ::TokenUser, user.data(), size, &size)) {
    error = ::GetLastError();
    user.clear();
  }
  ::CloseHandle(token);
  return user;
}

PSID SidOf(std::vector<BYTE>& token_user) {
  return reinterpret_cast<TOKEN_USER*>(token_user.data())->User.Sid;
}

// The SID in its text form (S-1-5-21-...), or empty.
std::wstring SidText(PSID sid) {
  LPWSTR text = nullptr;
  if (!::ConvertSidToStringSidW(sid, &text)) return {};
  std::wstring result(text);
  ::LocalFree(text);
  return result;
}

// The name of the user's lock: in the namespace that every session shares, since every session
// sees the same drives and so the same recorders (the same user signed in on the console and
// through Remote Desktop). Only file mappings and symbolic links need a privilege to be made
// there; a mutex needs none. Empty where the user's SID cannot be read.
std::wstring UserLockName() {
  DWORD error = 0;
  std::vector<BYTE> user = ProcessUser(error);
  if (user.empty()) return {};
  const std::wstring sid = SidText(SidOf(user));
  return sid.empty() ? std::wstring() : L"Global\\datetime-cfg-creator-watch-" + sid;
}

// Whether the mutex was made by `user`: a name taken by another user (who can make any name in
// the shared namespace) must not keep this user's watch from running.
bool MadeBy(HANDLE mutex, PSID user) {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetSecurityInfo(mutex, SE_KERNEL_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                        nullptr, nullptr, &descriptor) != ERROR_SUCCESS)
    return false;
  const bool same = owner != nullptr && ::EqualSid(owner, user);
  ::LocalFree(descriptor);
  return same;
}

}  // namespace

struct WatchLock::Hold {
  HANDLE mutex;  // owned by the thread that took it; the system lets go when the process ends
};

WatchLock::WatchLock() : WatchLock(UserLockName()) {}

WatchLock::WatchLock(const std::wstring& name) {
  DWORD error = 0;
  std::vector<BYTE> user = ProcessUser(error);
  if (name.empty() || user.empty()) {
    problem_ = SystemReason("The user's SID cannot be read", error);
    return;
  }
  // Owned by the user and open to the user alone, whether the watch runs elevated or not; the
  // medium integrity label keeps an elevated watch from leaving a high one, which would refuse
  // the user's normal programs what the list grants them.
  const std::wstring sid = SidText(SidOf(user));
  const std::wstring security = L"O:" + sid + L"D:P(A;;0x00120001;;;" + sid + L")S:(ML;;NW;;;ME)";
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(security.c_str(), SDDL_REVISION_1,
                                                              &descriptor, nullptr)) {
    problem_ = SystemReason("The lock's security cannot be made", ::GetLastError());
    return;
  }
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
  const HANDLE mutex = ::CreateMutexExW(&attributes, name.c_str(), 0, kLockAccess);
  error = ::GetLastError();
  ::LocalFree(descriptor);
  if (mutex == nullptr) {
    // Taken by another user, with a list that keeps this one out.
    problem_ = SystemReason("The lock cannot be opened", error);
    return;
  }
  if (error == ERROR_ALREADY_EXISTS && !MadeBy(mutex, SidOf(user))) {
    ::CloseHandle(mutex);
    problem_ = "The lock's name is taken by another user";
    return;
  }
  switch (const DWORD result = ::WaitForSingleObject(mutex, 0)) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED:  // a watch that held it ended without letting go
      hold_ = std::make_unique<Hold>(Hold{mutex});
      state_ = State::kHeld;
      return;
    case WAIT_TIMEOUT:
      state_ = State::kHeldByOther;
      break;
    default:
      problem_ = SystemReason("The lock cannot be taken",
                              result == WAIT_FAILED ? ::GetLastError() : result);
      break;
  }
  ::CloseHandle(mutex);
}

WatchLock::~WatchLock() {
  if (!hold_) return;
  ::ReleaseMutex(hold_->mutex);
  ::CloseHandle(hold_->mutex);
}

}  // namespace device
