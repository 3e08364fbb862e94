#pragma once

#include "support/device_folder.h"
#include "support/temp_folder.h"

namespace support {

// A recorder's root in a fresh temporary folder, removed again with all it holds when it goes.
// The folder is a base, not a member, so that it exists before the DeviceFolder that names it.
class TempDevice : private TempFolder, public DeviceFolder {
 public:
  TempDevice() : TempFolder("device-"), DeviceFolder(TempFolder::root()) {}

  using DeviceFolder::root;
};

// Whether symbolic links can be made here. Windows lets only privileged users make them, and Wine
// and MinGW's standard library cannot make them at all.
bool CanMakeSymlinks();

}  // namespace support
