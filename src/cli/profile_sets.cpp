#include "cli/profile_sets.h"

#include <algorithm>
#include <optional>

#include "language/language.h"
#include "screens/shown_settings.h"

namespace cli {
namespace {

// The control of the shown setting that a profile's `name` names, by its English caption or its
// control's name.
std::optional<std::string> EntryControl(const std::vector<screens::ShownSetting>& settings,
                                        std::string_view name) {
  const std::string key = NameKey(name);
  for (const screens::ShownSetting& setting : settings) {
    if (setting.shown && (NameKey(setting.name) == key || NameKey(setting.control) == key))
      return setting.control;
  }
  return std::nullopt;
}

std::string SetPrefix(const SetRequest& request) {
  return "--set \"" + request.name + "=" + request.choice + "\": ";
}

}  // namespace

std::string RecorderRequests::Worded(const std::string& message) const {
  for (const auto& [set_prefix, profile_prefix] : profile_wording) {
    if (message.starts_with(set_prefix)) return profile_prefix + message.substr(set_prefix.size());
  }
  return message;
}

RecorderRequests RequestsFor(const screens::ScreenDescription* screen,
                             const screens::ScreenState& state, const std::vector<SetRequest>& sets,
                             const Profile& profile) {
  RecorderRequests result{sets, {}, {}};
  if (profile.entries.empty()) return result;
  std::vector<screens::ShownSetting> settings;
  std::string_view window;
  if (screen != nullptr) {
    settings = screens::SettingsOf(*screen, state);
    window = screen->window.name;
  }
  // A --set goes before the profile's entry for its setting, in whichever language it names it.
  std::vector<std::string> set_controls;
  for (const SetRequest& set : sets) {
    if (auto control = ShownControlNamed(window, settings, set.name))
      set_controls.push_back(*control);
  }
  for (const ProfileEntry& entry : profile.entries) {
    const std::optional<std::string> control = EntryControl(settings, entry.request.name);
    if (!control) {
      result.not_shown.push_back(entry.request.name);
    } else if (std::find(set_controls.begin(), set_controls.end(), *control) ==
               set_controls.end()) {
      result.requests.push_back(entry.request);
      result.profile_wording.emplace_back(
          SetPrefix(entry.request),
          profile.Where(entry) + "\"" + entry.request.name + "=" + entry.request.choice + "\": ");
    }
  }
  return result;
}

std::string NotShownText(std::string_view root, const std::vector<std::string>& names) {
  std::string quoted;
  for (std::size_t i = 0; i < names.size(); ++i)
    quoted += (i == 0 ? "\"" : ", \"") + names[i] + "\"";
  return language::Fill(
      language::Translate("{1}: profile settings this recorder does not show: {2}"),
      {root, quoted});
}

}  // namespace cli
