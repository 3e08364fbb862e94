#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "screens/screen.h"

namespace screens {

// One button or list item of a setting.
struct SettingChoice {
  std::string text;  // as the window shows it (device bytes)
  int code = 0;
  bool offered = false;  // a user can pick it: shown, not greyed out, in the list
  std::string control;   // its button, or the list that holds it: where its text is translated
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
  std::string caption_control;  // the frame, or the label over the list: where `name` is translated

  std::vector<std::string> OfferedTexts() const;
};

// Every setting of `screen` in `state`, in the order of its window's controls, hidden ones too.
std::vector<ShownSetting> SettingsOf(const ScreenDescription& screen, const ScreenState& state);

// The names the settings of screens can go by.
struct SettingNames {
  // The captions a setting can show: its frame's, or those of the labels that name its list, each
  // with those a load may give it in their place.
  std::vector<std::string_view> captions;
  std::vector<std::string_view> controls;  // its frame's or its list's name
  // The same captions as the language in use shows them, in the same order.
  std::vector<std::string> shown_captions;
};

// Adds the names of every setting of `screen`, in the order of its window's controls.
void AddSettingNames(const ScreenDescription& screen, SettingNames& names);

}  // namespace screens
