// Plugs a drive in and out of a running Wine prefix, as scripts/lib/wine_watch.sh needs for
// --watch, and stops a watch:
//   wine_plug in LETTER UNIX_FOLDER [--broadcast]   maps the folder as a removable drive
//   wine_plug out LETTER [--broadcast]               unmaps it
//   wine_plug stop                                   "Stop watching" to the watch's window
// The drive goes through Wine's mount manager (IOCTL_MOUNTMGR_DEFINE_UNIX_DRIVE, as winecfg does
// it), which knows it at once, but broadcasts no WM_DEVICECHANGE for it: --broadcast sends the
// one Windows sends for a volume, to every top-level window. Exit status 0 when done.

#include <windows.h>
// After windows.h, which it needs.
#include <dbt.h>
#include <winioctl.h>

#include <cctype>
#include <cstddef>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "ui/win32/watch_system.h"

namespace {

// Wine's extension of the mount manager (Wine's include/ddk/mountmgr.h).
constexpr DWORD kDefineUnixDrive =
    CTL_CODE(static_cast<DWORD>('m'), 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
struct UnixDrive {
  ULONG size;
  ULONG type;
  ULONG fs_type;
  DWORD serial;
  ULONGLONG unix_dev;
  WCHAR letter;
  USHORT mount_point_offset;
  USHORT device_offset;
  USHORT label_offset;
};

// Defines (type DRIVE_REMOVABLE, with the folder) or removes (DRIVE_NO_ROOT_DIR) a drive.
bool DefineDrive(wchar_t letter, UINT type, const std::string& folder) {
  std::vector<unsigned char> input(sizeof(UnixDrive) + folder.size() + 1, 0);
  UnixDrive drive{};
  drive.size = static_cast<ULONG>(input.size());
  drive.type = type;
  drive.letter = letter;
  if (!folder.empty()) {
    drive.mount_point_offset = sizeof(UnixDrive);
    std::memcpy(input.data() + sizeof(UnixDrive), folder.c_str(), folder.size() + 1);
  }
  std::memcpy(input.data(), &drive, sizeof drive);
  const HANDLE manager =
      ::CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (manager == INVALID_HANDLE_VALUE) return false;
  DWORD returned = 0;
  const BOOL done =
      ::DeviceIoControl(manager, kDefineUnixDrive, input.data(), static_cast<DWORD>(input.size()),
                        nullptr, 0, &returned, nullptr);
  ::CloseHandle(manager);
  return done != FALSE;
}

void Broadcast(wchar_t letter, WPARAM event) {
  DEV_BROADCAST_VOLUME volume{};
  volume.dbcv_size = sizeof volume;
  volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
  volume.dbcv_unitmask = 1u << (letter - L'A');
  volume.dbcv_flags = DBTF_MEDIA;
  // As Wine's mount manager sends it for the drives it mounts: a sent message (a posted one
  // could not carry the structure to another process) to the top-level windows of every desktop.
  ::BroadcastSystemMessageW(BSF_FORCEIFHUNG | BSF_QUERY, nullptr, WM_DEVICECHANGE, event,
                            reinterpret_cast<LPARAM>(&volume));
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const bool broadcast = !arguments.empty() && arguments.back() == "--broadcast";
  const std::size_t count = arguments.size() - (broadcast ? 1 : 0);
  if (count == 1 && arguments[0] == "stop") {
    const HWND window = ::FindWindowW(ui::win32::kWatchWindowClass, nullptr);
    if (window == nullptr) {
      std::cerr << "wine_plug: no watch window\n";
      return 1;
    }
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ui::win32::kStopWatchingCommand, 0), 0);
    return 0;
  }
  const bool in = count == 3 && arguments[0] == "in";
  const bool out = count == 2 && arguments[0] == "out";
  if ((!in && !out) || arguments[1].size() != 2 || arguments[1][1] != ':') {
    std::cerr << "usage: wine_plug in LETTER: UNIX_FOLDER [--broadcast] | out LETTER: "
                 "[--broadcast] | stop\n";
    return 64;
  }
  const auto letter =
      static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(arguments[1][0])));
  if (!DefineDrive(letter, in ? DRIVE_REMOVABLE : DRIVE_NO_ROOT_DIR, in ? arguments[2] : "")) {
    std::cerr << "wine_plug: the mount manager refused (error " << ::GetLastError() << ")\n";
    return 2;
  }
  if (broadcast) Broadcast(letter, in ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE);
  return 0;
}
