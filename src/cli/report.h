#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "screens/shown_settings.h"

namespace cli {

// What --show prints for one device root.
struct ShowReport {
  std::string root;                    // UTF-8, as given or found
  std::optional<int> model;            // none without a settings file
  std::string screen;                  // the window whose settings are shown ("Form15")
  std::optional<std::string> version;  // the version text (device bytes); none without a file
  std::vector<screens::ShownSetting> settings;  // the shown ones
  std::optional<bool> pc_clock_synchronised;    // none where the system does not tell
};

// The report as aligned text for a person, one line a setting.
std::string ShowText(const ShowReport& report);
// The report as one JSON object on one line, UTF-8.
std::string ShowJson(const ShowReport& report);
// A root that failed, as one JSON object on one line.
std::string FailureJson(std::string_view root, std::string_view message);

}  // namespace cli
