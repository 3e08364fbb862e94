#pragma once

#include "ui/win32/windows_api.h"

// After windows.h, which it needs.
#include <dbt.h>

#include <string>
#include <vector>

namespace ui::win32 {

// Whether a WM_DEVICECHANGE tells of a volume arriving or leaving: a drive plugged in or out, or
// a medium put in or taken out.
inline bool IsVolumeArrivalOrRemoval(WPARAM event, LPARAM data) {
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
  return (event == DBT_DEVICEARRIVAL || event == DBT_DEVICEREMOVECOMPLETE) && header != nullptr &&
         header->dbch_devicetype == DBT_DEVTYP_VOLUME;
}

// The drive letters that a WM_DEVICECHANGE tells have left, as a mask (bit 0 for A:): a volume
// removed, a drive unplugged or a medium taken out; 0 for any other message.
inline DWORD RemovedDrives(WPARAM event, LPARAM data) {
  if (event != DBT_DEVICEREMOVECOMPLETE || !IsVolumeArrivalOrRemoval(event, data)) return 0;
  return reinterpret_cast<const DEV_BROADCAST_VOLUME*>(data)->dbcv_unitmask;
}

// The roots of the drives of a mask ("E:\\"), as device::Volume::mounts names them on Windows.
inline std::vector<std::string> DriveRoots(DWORD unit_mask) {
  std::vector<std::string> roots;
  for (int letter = 0; letter < 26; ++letter) {
    if ((unit_mask & (DWORD{1} << letter)) != 0)
      roots.push_back(std::string(1, static_cast<char>('A' + letter)) + ":\\");
  }
  return roots;
}

}  // namespace ui::win32
