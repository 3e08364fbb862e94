#pragma once

#include <string_view>

#include "screens/layout.h"

namespace screens {

// The controls of the window that waits for a recorder.
inline constexpr std::string_view kWaitPromptLabel = "Prompt";
inline constexpr std::string_view kWaitDrivesLabel = "Drives";
inline constexpr std::string_view kChooseFolderButton = "ChooseFolder";
inline constexpr std::string_view kWaitCancelButton = "Cancel";

// The "Plug in the recorder" window: a prompt, the drives plugged in (one a line), and the
// "Choose folder…" and Cancel buttons.
const WindowLayout& WaitingWindow();

}  // namespace screens
