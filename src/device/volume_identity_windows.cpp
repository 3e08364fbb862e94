#include <cwchar>
#include <string>
#include <system_error>

#include "device/volume_identity.h"
#include "device/wide_text.h"
#include "device/windows_headers.h"

namespace device {

VolumeIdentity IdentifyVolume(const std::filesystem::path& root) {
  VolumeIdentity identity;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(root, error);
  wchar_t volume[MAX_PATH + 1] = {};
  if (error || !::GetVolumePathNameW(absolute.c_str(), volume, MAX_PATH + 1)) return identity;
  // A folder inside a volume is not asked about: the volume is not its recorder (and Wine
  // complains on standard error of drives, such as Z:, that it cannot read as devices).
  std::wstring folder = absolute.wstring();
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  if (::_wcsicmp(folder.c_str(), volume) != 0) return identity;
  wchar_t label[MAX_PATH + 1] = {};
  DWORD serial = 0;
  if (::GetVolumeInformationW(volume, label, MAX_PATH + 1, &serial, nullptr, nullptr, nullptr, 0)) {
    identity.label = Utf8FromWide(label);
    identity.serial = FormatVolumeSerial(serial);
  }
  return identity;
}

}  // namespace device
