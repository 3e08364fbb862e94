#pragma once

#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "screens/screen.h"

namespace screens {

// A capability flag whose "0" hides the controls of a feature the model lacks, whose "1" leaves
// them as they are, and whose other accepted digits do what `narrowing` gives them; any other
// digit is a file error.
inline FlagStep FeatureFlag(int position, const std::vector<std::string_view>& hidden_when_absent,
                            std::map<int, Actions> narrowing = {}) {
  Actions& absent = narrowing[0];
  for (const std::string_view control : hidden_when_absent) {
    absent.push_back({Action::Kind::kHide, control});
  }
  narrowing[1] = {};
  return {position, std::move(narrowing)};
}

}  // namespace screens
