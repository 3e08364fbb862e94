#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/profile.h"
#include "cli/set_matching.h"
#include "screens/screen.h"

namespace cli {

// What one recorder takes of the --set options and a profile.
struct RecorderRequests {
  // The --set options, then the profile's entries that the screen shows and no --set names: a
  // --set wins over the profile's entry for the same setting, however each names it.
  std::vector<SetRequest> requests;
  // The names of the profile's entries that the screen does not show (another model's settings).
  std::vector<std::string> not_shown;

  // A message of ApplySets or ApplyEachSet, about one of the profile's entries worded as one.
  std::string Worded(const std::string& message) const;

  // Each profile entry's "--set "NAME=CHOICE": " and what stands for it in a message.
  std::vector<std::pair<std::string, std::string>> profile_wording;
};

// The requests for a recorder whose settings screen, if any, is `screen` in `state`.
RecorderRequests RequestsFor(const screens::ScreenDescription* screen,
                             const screens::ScreenState& state, const std::vector<SetRequest>& sets,
                             const Profile& profile);

// The line on stderr that names the profile's settings a recorder does not show.
std::string NotShownText(std::string_view root, const std::vector<std::string>& names);

}  // namespace cli
