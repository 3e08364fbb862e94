#include "device/volume_label.h"

#include <system_error>

namespace device {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string DecodeLabelName(std::string_view name) {
  std::string decoded;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' &&
        HexValue(name[i + 2]) >= 0 && HexValue(name[i + 3]) >= 0) {
      decoded.push_back(static_cast<char>(HexValue(name[i + 2]) * 16 + HexValue(name[i + 3])));
      i += 3;
    } else {
      decoded.push_back(name[i]);
    }
  }
  return decoded;
}

std::string VolumeLabel(const std::filesystem::path& device,
                        const std::filesystem::path& label_folder) {
  std::error_code error;
  std::filesystem::directory_iterator link(label_folder, error);
  for (; !error && link != std::filesystem::directory_iterator(); link.increment(error)) {
    // The link and the device name lead to the same device node when they are one volume.
    std::error_code unrelated;
    if (std::filesystem::equivalent(link->path(), device, unrelated)) {
      return DecodeLabelName(link->path().filename().string());
    }
  }
  return {};
}

}  // namespace device
