#pragma once

#include <vector>

#include "screens/screen.h"

namespace screens {

// One setting of the Option Setting screens: the capability flag that hides its frame or greys
// out some of its buttons, the line position of its code, and its exclusive group of buttons.
struct OptionSetting {
  FlagStep flag;
  int position;
  OptionGroup group;
};

// The settings that both Option Setting screens edit, in validation order: recording mode,
// VOS switch, VOS level, MIC sense, low cut.
std::vector<OptionSetting> CommonOptionSettings();

// The settings that only the model code 1 screen adds, in validation order: screen off timer,
// repeat mode, EQ preset, folder choice.
std::vector<OptionSetting> ExtendedOptionSettings();

// An Option Setting screen on `window` editing `settings`: every flag is validated before any
// setting, each in the order given, and each setting goes to the block at its line position.
ScreenDescription OptionSettingScreen(WindowLayout window,
                                      const std::vector<OptionSetting>& settings);

}  // namespace screens
