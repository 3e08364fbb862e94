#pragma once

#include "device/settings_line.h"

namespace screens {

// Where the screens read the settings line, counted from 1. The model code, the start of the
// settings block and the version text are the device's (device/settings_line.h); each setting's
// digit sits in the block at its own offset, which is also its place in ScreenDescription::block.

// The recording modes the model offers: "0" none, "1" all, "2" to "9" all but some.
inline constexpr int kModeAvailabilityPosition = 3;

// Capability flags: "0" when the model lacks the feature, "1" when it has it in full, and for some
// features other digits when it has only part of it.
inline constexpr int kVosLevelFlagPosition = 4;
inline constexpr int kMicSenseFlagPosition = 5;
inline constexpr int kLowCutFlagPosition = 6;
inline constexpr int kScreenOffTimerFlagPosition = 7;
inline constexpr int kRepeatFlagPosition = 8;
inline constexpr int kEqualizerFlagPosition = 9;
inline constexpr int kVosSwitchFlagPosition = 10;
inline constexpr int kFolderFlagPosition = 11;
inline constexpr int kLanguageFlagPosition = 12;
inline constexpr int kAutoPowerOffFlagPosition = 13;
inline constexpr int kMicInputFlagPosition = 14;

// The settings, each a digit of the settings block.
inline constexpr int kRecordingModePosition = device::kSettingsBlockPosition;
inline constexpr int kVosLevelPosition = device::kSettingsBlockPosition + 1;
inline constexpr int kMicSensePosition = device::kSettingsBlockPosition + 2;
inline constexpr int kLowCutPosition = device::kSettingsBlockPosition + 3;
inline constexpr int kScreenOffTimerPosition = device::kSettingsBlockPosition + 4;
inline constexpr int kRepeatPosition = device::kSettingsBlockPosition + 5;
inline constexpr int kEqualizerPosition = device::kSettingsBlockPosition + 6;
inline constexpr int kVosSwitchPosition = device::kSettingsBlockPosition + 7;
inline constexpr int kFolderPosition = device::kSettingsBlockPosition + 8;
inline constexpr int kLanguagePosition = device::kSettingsBlockPosition + 9;
inline constexpr int kAutoPowerOffPosition = device::kSettingsBlockPosition + 10;
inline constexpr int kMicInputPosition = device::kSettingsBlockPosition + 11;

}  // namespace screens
