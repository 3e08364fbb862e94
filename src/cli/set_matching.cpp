#include "cli/set_matching.h"

#include <set>

#include "cli/output_text.h"
#include "screens/choice_selection.h"
#include "screens/screen_table.h"
#include "screens/shown_settings.h"

namespace cli {
namespace {

using screens::ScreenDescription;
using screens::ScreenState;
using screens::ShownSetting;

std::string Normalized(std::string_view text) {
  std::string normalized = Tidy(text);
  for (char& c : normalized) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return normalized;
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += (joined.empty() ? "" : ", ") + Tidy(text);
  return joined.empty() ? "none" : joined;
}

std::string SettingNames(const std::vector<ShownSetting>& settings) {
  std::vector<std::string> names;
  for (const ShownSetting& setting : settings) {
    if (setting.shown) names.push_back(setting.name);
  }
  return Joined(names);
}

const ShownSetting* FindSetting(const std::vector<ShownSetting>& settings, std::string_view name) {
  const std::string wanted = Normalized(name);
  const ShownSetting* found = nullptr;
  for (const ShownSetting& setting : settings) {
    if (Normalized(setting.name) != wanted && Normalized(setting.control) != wanted) continue;
    if (setting.shown) return &setting;
    found = &setting;
  }
  return found;
}

std::optional<std::size_t> FindChoice(const ShownSetting& setting, std::string_view text) {
  const std::string wanted = Normalized(text);
  for (std::size_t i = 0; i < setting.choices.size(); ++i) {
    if (Normalized(setting.choices[i].text) == wanted) return i;
  }
  if (wanted.size() != 1 || wanted[0] < '0' || wanted[0] > '9') return std::nullopt;
  for (std::size_t i = 0; i < setting.choices.size(); ++i) {
    if (setting.choices[i].code == wanted[0] - '0') return i;
  }
  return std::nullopt;
}

std::string Refused(const SetRequest& request, const std::string& why) {
  return "--set \"" + request.name + "=" + request.choice + "\": " + why;
}

// `texts` tidied, each once whatever its case, in their order.
std::vector<std::string> Distinct(const std::vector<std::string_view>& texts) {
  std::vector<std::string> distinct;
  std::set<std::string> seen;
  for (const std::string_view text : texts) {
    if (!Tidy(text).empty() && seen.insert(Normalized(text)).second) distinct.push_back(Tidy(text));
  }
  return distinct;
}

}  // namespace

std::optional<std::string> ApplySets(const ScreenDescription* screen, ScreenState& state,
                                     const std::vector<SetRequest>& requests) {
  if (requests.empty()) return std::nullopt;
  const auto refused = Refused;
  if (screen == nullptr) {
    return refused(requests.front(),
                   "this recorder's screen has no settings; --start sets its clock only.");
  }
  const std::vector<ShownSetting> settings = screens::SettingsOf(*screen, state);
  std::vector<std::pair<const ShownSetting*, std::size_t>> picks;
  std::set<std::string> named;
  for (const SetRequest& request : requests) {
    const ShownSetting* setting = FindSetting(settings, request.name);
    if (setting == nullptr) {
      return refused(request, "the screen of this recorder (" + std::string(screen->window.name) +
                                  ") has no setting \"" + request.name +
                                  "\". Its settings: " + SettingNames(settings));
    }
    const std::string name = Tidy(setting->name);
    if (!setting->shown) {
      return refused(request, "this recorder does not offer \"" + name +
                                  "\". Its settings: " + SettingNames(settings));
    }
    const std::string choices = "Choices: " + Joined(setting->OfferedTexts());
    if (!named.insert(setting->control).second) {
      return refused(request, "\"" + name + "\" is set twice. " + choices);
    }
    const std::optional<std::size_t> choice = FindChoice(*setting, request.choice);
    if (!choice || (choice != setting->current && !setting->choices[*choice].offered)) {
      return refused(request, "\"" + name + "\" has no choice \"" + request.choice +
                                  "\" for this recorder. " + choices);
    }
    picks.emplace_back(setting, *choice);
  }
  for (const auto& [setting, choice] : picks) {
    if (setting->current != choice) screens::SelectChoice(*screen, setting->control, choice, state);
  }
  return std::nullopt;
}

std::vector<std::string> ApplyEachSet(const ScreenDescription* screen, ScreenState& state,
                                      const std::vector<SetRequest>& requests,
                                      std::string_view no_screen) {
  std::vector<std::string> left_out;
  std::vector<SetRequest> taken;
  for (const SetRequest& request : requests) {
    if (screen == nullptr) {
      left_out.push_back(Refused(request, std::string(no_screen)));
      continue;
    }
    // Tried together with those taken before it, on a copy: a request that names a setting a
    // second time is refused as ApplySets refuses it.
    ScreenState trial = state;
    taken.push_back(request);
    if (auto refused = ApplySets(screen, trial, taken)) {
      taken.pop_back();
      left_out.push_back(*refused);
    }
  }
  ApplySets(screen, state, taken);
  return left_out;
}

std::optional<std::string> NameNoScreenHas(const std::vector<SetRequest>& requests) {
  screens::SettingNames every;
  for (const ScreenDescription* screen : screens::EverySettingsScreen())
    screens::AddSettingNames(*screen, every);
  std::set<std::string> names;
  for (const std::string_view name : every.captions) names.insert(Normalized(name));
  for (const std::string_view name : every.controls) names.insert(Normalized(name));
  for (const SetRequest& request : requests) {
    if (names.contains(Normalized(request.name))) continue;
    return Refused(request, "no recorder's screen has a setting \"" + request.name +
                                "\". The settings: " + Joined(Distinct(every.captions)));
  }
  return std::nullopt;
}

}  // namespace cli
