#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace device {

// What names the volume that holds a root, where the system tells it cheaply; empty where not. The
// serial only where the root is the volume's own root: folders of one volume are not one recorder.
struct VolumeIdentity {
  std::string label;   // Linux: from udev's /dev/disk/by-label; Windows: at a volume's root only
  std::string serial;  // "1A2B-3C4D": the FAT volume serial number (Windows: any volume's)
};

VolumeIdentity IdentifyVolume(const std::filesystem::path& root);

// A 32-bit volume serial number as FAT tools print it: "1A2B-3C4D".
std::string FormatVolumeSerial(std::uint32_t serial);

}  // namespace device
