#pragma once

#include <optional>
#include <string>
#include <vector>

#include "screens/screen.h"

namespace cli {

// One --set NAME=CHOICE.
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

}  // namespace cli
