#include "device/volume_identity.h"

#include <cstdio>

namespace device {

std::string FormatVolumeSerial(std::uint32_t serial) {
  char text[10];
  std::snprintf(text, sizeof text, "%04X-%04X", static_cast<unsigned>(serial >> 16),
                static_cast<unsigned>(serial & 0xFFFFu));
  return text;
}

}  // namespace device
