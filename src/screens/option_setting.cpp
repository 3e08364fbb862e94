#include "screens/option_setting.h"

#include <map>
#include <string_view>
#include <utility>

#include "screens/feature_flag.h"
#include "screens/line_positions.h"
#include "screens/recording_mode.h"
#include "screens/vos.h"

namespace screens {
namespace {

using Buttons = std::vector<std::string_view>;

// A flag whose "0" hides `frame`, whose "1" offers every button, and whose other accepted
// digits grey out the buttons listed for them.
FlagStep FrameFlag(int position, std::string_view frame,
                   const std::map<int, Buttons>& greyed = {}) {
  std::map<int, Actions> narrowing;
  for (const auto& [code, buttons] : greyed) {
    for (const std::string_view button : buttons) {
      narrowing[code].push_back({Action::Kind::kDisable, button});
    }
  }
  return FeatureFlag(position, {frame}, std::move(narrowing));
}

}  // namespace

std::vector<OptionSetting> CommonOptionSettings() {
  return {
      {RecordingModeAvailability(Withholding::kDisableButtons), kRecordingModePosition,
       RecordingModeGroup()},
      {FrameFlag(kVosSwitchFlagPosition, kVosSwitchFrame), kVosSwitchPosition, VosSwitchGroup()},
      {FrameFlag(kVosLevelFlagPosition, kVosLevelFrame), kVosLevelPosition, VosLevelGroup()},
      {FrameFlag(kMicSenseFlagPosition, "Frame3", {{2, {"Option14"}}, {3, {"Option13"}}}),
       kMicSensePosition,
       {"Frame3", {"Option12", "Option13", "Option14"}}},
      {FrameFlag(kLowCutFlagPosition, "Frame4"),
       kLowCutPosition,
       {"Frame4", {"Option15", "Option16"}}},
  };
}

std::vector<OptionSetting> ExtendedOptionSettings() {
  return {
      {FrameFlag(kScreenOffTimerFlagPosition, "Frame5", {{2, {"Option21"}}}),
       kScreenOffTimerPosition,
       {"Frame5", {"Option17", "Option18", "Option19", "Option20", "Option21"}}},
      {FrameFlag(kRepeatFlagPosition, "Frame6",
                 {{2, {"Option25"}},
                  {3, {"Option24"}},
                  {4, {"Option24", "Option25"}},
                  {5, {"Option23"}}}),
       kRepeatPosition,
       {"Frame6", {"Option22", "Option23", "Option24", "Option25"}}},
      {FrameFlag(kEqualizerFlagPosition, "Frame7"),
       kEqualizerPosition,
       {"Frame7",
        {"Option26", "Option27", "Option28", "Option29", "Option30", "Option31", "Option32",
         "Option33"}}},
      {FrameFlag(kFolderFlagPosition, "Frame9", {{2, {"Option38", "Option39"}}}),
       kFolderPosition,
       {"Frame9", {"Option36", "Option37", "Option38", "Option39"}}},
  };
}

ScreenDescription OptionSettingScreen(WindowLayout window,
                                      const std::vector<OptionSetting>& settings) {
  ScreenDescription screen{.window = std::move(window)};
  for (const OptionSetting& setting : settings) {
    screen.groups.push_back(setting.group);
    screen.load_steps.emplace_back(setting.flag);
  }
  for (const OptionSetting& setting : settings) {
    screen.load_steps.emplace_back(SettingStep{setting.position, setting.group.frame});
  }
  return WithSettingsPlaced(std::move(screen));
}

}  // namespace screens
