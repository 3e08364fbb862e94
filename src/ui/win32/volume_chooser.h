#pragma once

#include "ui/win32/windows_api.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "device/root_search.h"

namespace ui::win32 {

// How a volume appears in the chooser: "E:\ (LABEL)", or the drive alone without a label.
std::wstring VolumeText(const device::Volume& volume);

// The modal chooser: one row per volume, the first chosen; OK, Enter or a double click take the
// chosen row, Cancel, Escape or closing take none. `owner` is disabled while it is open.
std::optional<std::size_t> ChooseVolumeModal(HWND owner,
                                             const std::vector<device::Volume>& volumes);

}  // namespace ui::win32
