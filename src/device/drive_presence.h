#pragma once

#include <filesystem>

namespace device {

// Whether the drive that a path names is there to be looked at. Only Windows names drives
// ("E:\REC"); elsewhere, and for a path without a drive letter, it is always kPresent.
enum class DrivePresence {
  kPresent,  // or it cannot tell
  kNoDrive,  // no drive has the letter
  kNoDisk,   // the drive has no medium in it (an empty card-reader slot)
};

DrivePresence PresenceOfDrive(const std::filesystem::path& path);

}  // namespace device
