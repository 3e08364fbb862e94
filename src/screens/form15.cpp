#include "screens/form15.h"

#include "language/language.h"
#include "screens/feature_flag.h"
#include "screens/line_positions.h"
#include "screens/recording_mode.h"

namespace screens {
namespace {

using K = ControlKind;
using A = Action::Kind;

constexpr std::string_view kModelFileError = language::ToTranslate("Ravlen.ini File Error");

WindowLayout Window() {
  return {
      "Form15",
      kAppTitle,
      7290,
      9735,
      {
          {"Label3", K::kLabel, "", "Version.", 720, 480, 1215, 375, 1, kBoldFont, "Text1"},
          {"Text1", K::kTextBox, "", "", 2040, 360, 2895, 495, 22, kBoldFont},
          {"Label14", K::kLabel, "", "Language", 1200, 1080, 1455, 375, 18, kCaptionFont,
           "Combo10"},
          {"Combo10", K::kDropDownList, "", "", 240, 1560, 3255, 300, 19, kDefaultFont},
          {"Label5", K::kLabel, "", "Mode (Record Quality)", 4080, 1080, 2535, 375, 6, kCaptionFont,
           "Combo1"},
          {"Combo1", K::kDropDownList, "", "", 3720, 1560, 3255, 300, 2, kDefaultFont},
          {"Label12", K::kLabel, "", "VOS On/Off", 1080, 2160, 1815, 375, 17, kCaptionFont,
           "Combo8"},
          {"Combo8", K::kDropDownList, "", "", 240, 2640, 3255, 300, 16, kDefaultFont},
          {"Label6", K::kLabel, "", "VOS Level", 4680, 2160, 1215, 375, 7, kCaptionFont, "Combo2"},
          {"Combo2", K::kDropDownList, "", "", 3720, 2640, 3255, 300, 3, kDefaultFont},
          {"Label7", K::kLabel, "", "MIC Sense", 1200, 3240, 1215, 375, 8, kCaptionFont, "Combo3"},
          {"Combo3", K::kDropDownList, "", "", 240, 3720, 3255, 300, 4, kDefaultFont},
          {"Label8", K::kLabel, "", "Low Cut (Low Frequency Cut)", 3720, 3240, 3240, 240, 9,
           kCaptionFont, "Combo4"},
          {"Combo4", K::kDropDownList, "", "", 3720, 3720, 3255, 300, 5, kDefaultFont},
          {"Label11", K::kLabel, "", "EQ(Equalizer)", 1080, 4320, 1695, 375, 15, kCaptionFont,
           "Combo7"},
          {"Combo7", K::kDropDownList, "", "", 240, 4800, 3255, 300, 14, kDefaultFont},
          {"Label10", K::kLabel, "", "Repeat", 4800, 4320, 1215, 375, 13, kCaptionFont, "Combo6"},
          {"Combo6", K::kDropDownList, "", "", 3720, 4800, 3255, 300, 12, kDefaultFont},
          {"Label9", K::kLabel, "", "Screen Off Timer", 960, 5400, 1935, 375, 11, kCaptionFont,
           "Combo5"},
          {"Combo5", K::kDropDownList, "", "", 240, 5880, 3255, 300, 10, kDefaultFont},
          {"Label15", K::kLabel, "", "Auto Power Off Timer", 3960, 5400, 2775, 375, 21,
           kCaptionFont, "Combo11"},
          {"Combo11", K::kDropDownList, "", "", 3720, 5880, 3255, 300, 20, kDefaultFont},
          {"Label13", K::kLabel, "", "MIC Internal / External", 600, 6480, 2535, 375, 26,
           kCaptionFont, "Combo12"},
          {"Combo12", K::kDropDownList, "", "", 240, 6960, 3255, 300, 25, kDefaultFont},
          {"Frame3", K::kFrame, "", "Date & Time", 1080, 7560, 5055, 975, 23, kFrameFont},
          {"Label1", K::kLabel, "Frame3", "", 720, 360, 3615, 495, 24, kClockFont},
          {"Command1", K::kButton, "", "Start", 2400, 8640, 2535, 855, 0, kBoldFont},
      },
  };
}

// In the order the load fills them. In every list but the repeat list the code is the position.
std::vector<ListSetting> Lists() {
  return {
      {"Combo10", {{"  Korean", 0}, {"  English", 1}, {"  Japanese", 2}}},
      {"Combo1", {{"  PCM", 0}, {"  XHQ", 1}, {"  HQ", 2}, {"  SP", 3}, {"  LP", 4}}},
      {"Combo8", {{"  VOS Off", 0}, {"  VOS On", 1}}},
      {"Combo2",
       {{"  +2 (Sensitivity Max)", 0},
        {"  +1 (Sensitivity High)", 1},
        {"   0 (Default)", 2},
        {"  -1 (Sensitivity Low)", 3},
        {"  -2 (Sensitivity Min)", 4}}},
      {"Combo3", {{"  High", 0}, {"  Normal", 1}, {"  Low", 2}}},
      {"Combo4", {{"  On", 0}, {"  Off", 1}}},
      {"Combo7",
       {{"  Default", 0},
        {"  Rock", 1},
        {"  House", 2},
        {"  Dance", 3},
        {"  Jazz", 4},
        {"  Ballad", 5},
        {"  R & B", 6},
        {"  Classic", 7}}},
      {"Combo6", {{"  Off", 0}, {"  1", 2}, {"  Folder", 1}, {"  All", 3}}},
      {"Combo5",
       {{"  On", 0},
        {"  60 second", 1},
        {"  30 second", 2},
        {"  10 second", 3},
        {"  3 second", 4}}},
      {"Combo11",
       {{"  60 minute", 0},
        {"  30 minute", 1},
        {"  10 minute", 2},
        {"  3 minute", 3},
        {"  1 minute", 4}}},
      {"Combo12", {{"  MIC Internal", 0}, {"  MIC External", 1}}},
  };
}

// A capability flag whose "0" hides a list and its caption label and whose "1" leaves both;
// `more` adds the flag's other accepted values.
FlagStep Feature(int position, std::string_view list, std::string_view label,
                 std::map<int, Actions> more = {}) {
  return FeatureFlag(position, {list, label}, std::move(more));
}

Actions Remove(std::string_view list, std::initializer_list<std::string_view> items) {
  Actions actions;
  for (const std::string_view item : items) actions.push_back({A::kRemoveItem, list, item});
  return actions;
}

FlagStep ModeFlag() {
  FlagStep step = ModeAvailability("Combo1", {"  PCM", "  XHQ", "  HQ", "  SP", "  LP"},
                                   Withholding::kRemoveItems);
  step.outcomes[0].push_back({A::kHide, "Label5"});
  return step;
}

FlagStep MicInputFlag() {
  FlagStep step = Feature(kMicInputFlagPosition, "Combo12", "Label13");
  // Without the microphone choice the clock frame and Start move up into its row.
  Actions& compact = step.outcomes[0];
  compact.push_back({A::kMove, "Frame3", {}, 6460});
  compact.push_back({A::kMove, "Command1", {}, 7640});
  compact.push_back({A::kOuterHeight, "Form15", {}, 9300});
  return step;
}

std::vector<LoadStep> LoadSteps() {
  return {
      SettingStep{kLanguagePosition, "Combo10"},
      SettingStep{kRecordingModePosition, "Combo1"},
      SettingStep{kVosSwitchPosition, "Combo8"},
      SettingStep{kVosLevelPosition, "Combo2"},
      SettingStep{kMicSensePosition, "Combo3"},
      SettingStep{kLowCutPosition, "Combo4"},
      SettingStep{kEqualizerPosition, "Combo7"},
      SettingStep{kRepeatPosition, "Combo6"},
      SettingStep{kScreenOffTimerPosition, "Combo5"},
      SettingStep{kAutoPowerOffPosition, "Combo11"},
      SettingStep{kMicInputPosition, "Combo12"},
      Feature(kLanguageFlagPosition, "Combo10", "Label14"),
      ModeFlag(),
      Feature(kVosSwitchFlagPosition, "Combo8", "Label12"),
      Feature(kVosLevelFlagPosition, "Combo2", "Label6"),
      Feature(kMicSenseFlagPosition, "Combo3", "Label7",
              {{2, Remove("Combo3", {"  Low"})}, {3, Remove("Combo3", {"  Normal"})}}),
      Feature(kLowCutFlagPosition, "Combo4", "Label8",
              {{2, {{A::kRelabel, "Label8", "ALC(Auto Level Contol)", 0, true}}}}),
      Feature(kEqualizerFlagPosition, "Combo7", "Label11"),
      Feature(kRepeatFlagPosition, "Combo6", "Label10",
              {{2, Remove("Combo6", {"  All"})},
               {3, Remove("Combo6", {"  Folder"})},
               {4, Remove("Combo6", {"  All", "  Folder"})},
               {5, Remove("Combo6", {"  1"})}}),
      Feature(kScreenOffTimerFlagPosition, "Combo5", "Label9",
              {{2, Remove("Combo5", {"  3 second"})}}),
      Feature(kAutoPowerOffFlagPosition, "Combo11", "Label15"),
      MicInputFlag(),
  };
}

}  // namespace

const ScreenDescription& Form15() {
  static const ScreenDescription screen = WithSettingsPlaced({
      .window = Window(),
      .file_error = kModelFileError,
      .lists = Lists(),
      .load_steps = LoadSteps(),
  });
  return screen;
}

}  // namespace screens
