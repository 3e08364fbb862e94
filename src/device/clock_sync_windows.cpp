#include <string>

#include "device/clock.h"
#include "device/windows_headers.h"

// After windows.h, which it needs.
#include <winsvc.h>

namespace device {
namespace {

constexpr wchar_t kTimeService[] = L"W32Time";
constexpr wchar_t kTimeParameters[] = L"SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters";

bool TimeServiceDisabled() {
  const SC_HANDLE manager = ::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
  if (manager == nullptr) return false;
  bool disabled = false;
  if (const SC_HANDLE service = ::OpenServiceW(manager, kTimeService, SERVICE_QUERY_CONFIG)) {
    DWORD needed = 0;
    ::QueryServiceConfigW(service, nullptr, 0, &needed);
    std::string buffer(needed, '\0');
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
    if (needed > 0 && ::QueryServiceConfigW(service, config, needed, &needed))
      disabled = config->dwStartType == SERVICE_DISABLED;
    ::CloseServiceHandle(service);
  }
  ::CloseServiceHandle(manager);
  return disabled;
}

// The time service's "Type": NTP, NT5DS or AllSync synchronise, NoSync does not.
bool TimeServiceSetNotToSync() {
  wchar_t type[32] = {};
  DWORD size = sizeof type;
  return ::RegGetValueW(HKEY_LOCAL_MACHINE, kTimeParameters, L"Type", RRF_RT_REG_SZ, nullptr, type,
                        &size) == ERROR_SUCCESS &&
         ::lstrcmpiW(type, L"NoSync") == 0;
}

}  // namespace

// Windows documents no call that tells whether the clock was last set from a server; what it
// documents is the time service's configuration. A service that is disabled or set not to
// synchronise never sets the clock; anything else may or may not have, and is not named.
ClockSync SystemClockSync() {
  if (TimeServiceSetNotToSync() || TimeServiceDisabled()) return ClockSync::kNotSynchronised;
  return ClockSync::kUnknown;
}

}  // namespace device
