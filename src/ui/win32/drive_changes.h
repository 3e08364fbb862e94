#pragma once

#include "ui/win32/windows_api.h"

// After windows.h, which it needs.
#include <dbt.h>

namespace ui::win32 {

// Whether a WM_DEVICECHANGE tells of a volume arriving or leaving: a drive plugged in or out, or
// a medium put in or taken out.
inline bool IsVolumeArrivalOrRemoval(WPARAM event, LPARAM data) {
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
  return (event == DBT_DEVICEARRIVAL || event == DBT_DEVICEREMOVECOMPLETE) && header != nullptr &&
         header->dbch_devicetype == DBT_DEVTYP_VOLUME;
}

}  // namespace ui::win32
