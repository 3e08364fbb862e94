#include "support/temp_device.h"

#include <system_error>

namespace support {

bool CanMakeSymlinks() {
  static const bool can = [] {
    const TempDevice place;
    std::error_code error;
    std::filesystem::create_symlink("target", place.Path("link"), error);
    // Checked as well as the error: Wine reports success without making a link.
    return !error &&
           std::filesystem::is_symlink(std::filesystem::symlink_status(place.Path("link"), error));
  }();
  return can;
}

}  // namespace support
