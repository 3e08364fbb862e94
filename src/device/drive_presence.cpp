#include "device/drive_presence.h"

#include "device/windows_headers.h"

namespace device {

#ifdef _WIN32

DrivePresence PresenceOfDrive(const std::filesystem::path& path) {
  const std::wstring drive = path.root_name().native();
  if (drive.size() != 2 || drive[1] != L':') return DrivePresence::kPresent;
  const wchar_t letter = static_cast<wchar_t>(drive[0] | 0x20);  // lower case
  if (letter < L'a' || letter > L'z') return DrivePresence::kPresent;
  if ((::GetLogicalDrives() & (1u << (letter - L'a'))) == 0) return DrivePresence::kNoDrive;
  // A drive without its medium answers "not ready" (the program has turned off the system's
  // "insert a disk" box at its start).
  const std::wstring root = drive + L"\\";
  if (!::GetDiskFreeSpaceExW(root.c_str(), nullptr, nullptr, nullptr) &&
      ::GetLastError() == ERROR_NOT_READY) {
    return DrivePresence::kNoDisk;
  }
  return DrivePresence::kPresent;
}

#else

DrivePresence PresenceOfDrive(const std::filesystem::path&) {
  return DrivePresence::kPresent;
}

#endif

}  // namespace device
