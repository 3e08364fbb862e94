#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "screens/screen.h"
#include "screens/shown_settings.h"

namespace cli {

// One --set NAME=CHOICE.
struct SetRequest {
  std::string name;    // a caption or a control name
  std::string choice;  // a choice's text or its code digit
};

// Applies the requests to `state` as a user's clicks and choices would, all or none: a request
// that names no shown setting, names one a second time, or picks a choice that is not offered
// leaves `state` as it was and gives the message to print. Names and choices are compared
// without regard to case or runs of blanks. A name is a setting's English caption or its
// control's name, else its caption as the language in use shows it; a choice is its English
// text, else its text in the language in use, else its code digit. A translated text that names
// two settings, or two choices of one setting, is refused rather than taken for either. Picking
// the current choice changes nothing, also where the user could not pick it again.
std::optional<std::string> ApplySets(const screens::ScreenDescription* screen,
                                     screens::ScreenState& state,
                                     const std::vector<SetRequest>& requests);

// --watch: applies to `state`, in their order, the requests that ApplySets takes together, and
// leaves out each one it would refuse. Gives, for each one left out, ApplySets' message; without a
// settings screen each one is left out with `no_screen` as its reason.
std::vector<std::string> ApplyEachSet(const screens::ScreenDescription* screen,
                                      screens::ScreenState& state,
                                      const std::vector<SetRequest>& requests,
                                      std::string_view no_screen);

// The control of the shown setting of the window `window` that `name` names, as ApplySets
// finds it; none where it names none, a hidden one, or two.
std::optional<std::string> ShownControlNamed(std::string_view window,
                                             const std::vector<screens::ShownSetting>& settings,
                                             std::string_view name);

// Which forms of a setting's name are taken: a profile, which every language reads alike, names
// settings in English only.
enum class NameForms { kEnglish, kEnglishAndShown };

// The message for the first request whose name no setting of any model's screen can have (its
// caption, one a load gives it, or its control name; in `forms`), as ApplySets words an unknown
// name; none where every name is known.
std::optional<std::string> NameNoScreenHas(const std::vector<SetRequest>& requests,
                                           NameForms forms = NameForms::kEnglishAndShown);

}  // namespace cli
