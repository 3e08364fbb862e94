#include "screens/recording_mode.h"

#include "screens/line_positions.h"

namespace screens {
namespace {

constexpr std::array<std::string_view, kRecordingModeCount> kRecordingModeButtons = {
    "Option1", "Option2", "Option3", "Option4", "Option5"};

struct Withheld {
  int code;
  std::array<bool, kRecordingModeCount> modes;  // PCM, XHQ, HQ, SP, LP
  bool greyed_on_every_screen;
};

constexpr Withheld kWithheldModes[] = {
    {2, {false, false, false, false, true}, false}, {3, {false, false, false, true, true}, false},
    {4, {false, false, true, true, true}, false},   {5, {true, false, false, false, false}, false},
    {6, {true, false, false, false, true}, false},  {7, {true, false, false, true, true}, false},
    {8, {false, true, false, true, true}, true},    {9, {false, true, false, false, false}, true},
};

Action::Kind KindFor(Withholding withholding, bool greyed_on_every_screen) {
  switch (withholding) {
    case Withholding::kHideButtons:
      return greyed_on_every_screen ? Action::Kind::kDisable : Action::Kind::kHide;
    case Withholding::kDisableButtons:
      return Action::Kind::kDisable;
    case Withholding::kRemoveItems:
      return Action::Kind::kRemoveItem;
  }
  return Action::Kind::kDisable;
}

}  // namespace

FlagStep ModeAvailability(std::string_view frame,
                          const std::array<std::string_view, kRecordingModeCount>& modes,
                          Withholding withholding) {
  FlagStep step{kModeAvailabilityPosition, {}};
  if (withholding == Withholding::kRemoveItems) {
    step.outcomes[0] = {{Action::Kind::kClearItems, frame}, {Action::Kind::kHide, frame}};
  } else {
    step.outcomes[0] = {{Action::Kind::kHide, frame}};
  }
  step.outcomes[1] = {};
  for (const Withheld& withheld : kWithheldModes) {
    Actions& actions = step.outcomes[withheld.code];
    const Action::Kind kind = KindFor(withholding, withheld.greyed_on_every_screen);
    for (int mode = 0; mode < kRecordingModeCount; ++mode) {
      if (!withheld.modes[mode]) continue;
      if (kind == Action::Kind::kRemoveItem) {
        actions.push_back({kind, frame, modes[mode]});
      } else {
        actions.push_back({kind, modes[mode]});
      }
    }
  }
  return step;
}

OptionGroup RecordingModeGroup() {
  return {kRecordingModeFrame, {kRecordingModeButtons.begin(), kRecordingModeButtons.end()}};
}

FlagStep RecordingModeAvailability(Withholding withholding) {
  return ModeAvailability(kRecordingModeFrame, kRecordingModeButtons, withholding);
}

}  // namespace screens
