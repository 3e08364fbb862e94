#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "screens/screen.h"

namespace app {

// One button or list item of a setting.
struct SettingChoice {
  std::string text;  // as the window shows it (device bytes)
  int code = 0;
  bool offered = false;  // a user can pick it: shown, not greyed out, in the list
};

// A setting of a settings screen as its window shows it.
struct ShownSetting {
  std::string name;     // the caption of its frame or of the label over its list
  std::string control;  // the frame or the list
  bool shown = true;
  // The buttons or the listed items in the window's order; a list that shows the text of an
  // item a capability flag removed ends with that item, not offered.
  std::vector<SettingChoice> choices;
  std::optional<std::size_t> current;  // the selected button or the item the list shows

  std::vector<std::string> OfferedTexts() const;
};

// Every setting of `screen` in `state`, in the order of its window's controls, hidden ones too.
std::vector<ShownSetting> SettingsOf(const screens::ScreenDescription& screen,
                                     const screens::ScreenState& state);

// A caption or choice as a user may type it: no blanks around it, and a run of blanks as one.
std::string Tidy(std::string_view text);

struct SetRequest {
  std::string name;    // a caption or a control name
  std::string choice;  // a choice's text or its code digit
};

// Applies the requests to `state` as a user's clicks and choices would, all or none: a request
// that names no shown setting, names one a second time, or picks a choice that is not offered
// leaves `state` as it was and gives the message to print. Names and choices are compared
// without regard to case or runs of blanks; a choice's text goes before a code digit. Picking
// the current choice changes nothing, also where the user could not pick it again.
std::optional<std::string> ApplySets(const screens::ScreenDescription* screen,
                                     screens::ScreenState& state,
                                     const std::vector<SetRequest>& requests);

}  // namespace app
