#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "screens/shown_settings.h"

namespace cli {

// A setting's caption and a choice's text as the window `window` shows them in the language in
// use: UTF-8, without the blanks that pad them. In English, the device bytes read as Latin-1.
std::string ShownName(std::string_view window, const screens::ShownSetting& setting);
std::string ShownChoice(std::string_view window, const screens::SettingChoice& choice);

// The choices a user can pick, each as ShownChoice gives it.
std::vector<std::string> ShownOfferedChoices(std::string_view window,
                                             const screens::ShownSetting& setting);

}  // namespace cli
