#pragma once

#include <string_view>

#include "language/language.h"
#include "program_version.h"

namespace screens {

// The program's own texts, shown alike by both front ends; those marked are translated where
// they are shown. The name and version come from the
// build (cmake/ProgramIdentity.cmake), so the screens, --version and the Windows resources agree.

// The program's name: the title of message boxes and of the drive chooser.
inline constexpr std::string_view kProgramName = DTC_PROGRAM_NAME;
inline constexpr std::string_view kProgramVersion = DTC_VERSION_TEXT;

// The screens' window title, and the heading of the Option Setting screens.
inline constexpr std::string_view kAppTitle = DTC_PROGRAM_NAME " V" DTC_VERSION_TEXT;
inline constexpr std::string_view kOptionsSettingHeading = "Options Setting V" DTC_VERSION_TEXT;

// The drive chooser's prompt above the drives that look like a recorder, and its button that
// takes the chosen drive (its other button is kCancelCaption).
inline constexpr std::string_view kChooseVolumePrompt =
    language::ToTranslate("Several drives look like a recorder. Choose one:");
inline constexpr std::string_view kOkCaption = language::ToTranslate("OK");

// The window that waits for a recorder when none is plugged in: its title, its prompt, what it
// lists while no drive is there, its buttons, and the title of the system's folder dialog.
inline constexpr std::string_view kWaitTitle = "Plug in the recorder";
inline constexpr std::string_view kWaitPrompt =
    "Plug in the recorder, or choose the folder to use.";
inline constexpr std::string_view kWaitNoDrive = "No drive is plugged in.";
inline constexpr std::string_view kChooseFolderCaption = "Choose folder\u2026";
inline constexpr std::string_view kCancelCaption = "Cancel";
inline constexpr std::string_view kChooseFolderTitle =
    language::ToTranslate("Choose the recorder's folder");
// Asked, Yes or No, before a folder chosen in that dialog that does not look like a recorder's
// root is used.
inline constexpr std::string_view kNotARecorderQuestion =
    language::ToTranslate("This folder does not look like a recorder's drive. Use it anyway?");

// Start on a settings screen whose recorder was swapped for one of another model (the settings
// line read afresh has another model code than the one the screen was loaded from).
inline constexpr std::string_view kRecorderChangedMessage = language::ToTranslate(
    "The recorder was changed while this window was open. Nothing was written; start the "
    "program again.");

}  // namespace screens
