#pragma once

#include "ui/win32/windows_api.h"

#include <filesystem>
#include <optional>

namespace ui::win32 {

// The system's folder dialog (the file dialog in its folder mode), modal to `owner`: the chosen
// folder, or none when the user cancels or the dialog cannot be shown.
std::optional<std::filesystem::path> ChooseFolderModal(HWND owner);

}  // namespace ui::win32
