#include "cli/set_matching.h"

#include <set>

#include "cli/output_text.h"
#include "cli/setting_texts.h"
#include "language/language.h"
#include "screens/choice_selection.h"
#include "screens/screen_table.h"
#include "screens/shown_settings.h"

namespace cli {
namespace {

using screens::ScreenDescription;
using screens::ScreenState;
using screens::ShownSetting;

using language::Fill;
using language::Translate;

// The blank that Korean and Japanese input methods type between words: one blank as well.
constexpr std::string_view kIdeographicSpace = "\xe3\x80\x80";

std::string Normalized(std::string_view text) {
  std::string blanks;
  for (std::size_t at = 0; at < text.size();) {
    const bool ideographic = text.substr(at).starts_with(kIdeographicSpace);
    blanks += ideographic ? ' ' : text[at];
    at += ideographic ? kIdeographicSpace.size() : 1;
  }
  std::string normalized = Tidy(blanks);
  for (char& c : normalized) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return normalized;
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += (joined.empty() ? "" : ", ") + Tidy(text);
  return joined.empty() ? std::string(Translate("none")) : joined;
}

std::string SettingNames(std::string_view window, const std::vector<ShownSetting>& settings) {
  std::vector<std::string> names;
  for (const ShownSetting& setting : settings) {
    if (setting.shown) names.push_back(ShownName(window, setting));
  }
  return Joined(names);
}

// The setting that `matches`: the first shown one, else the last hidden one.
template <typename Matches>
const ShownSetting* FirstMatch(const std::vector<ShownSetting>& settings, const Matches& matches) {
  const ShownSetting* found = nullptr;
  for (const ShownSetting& setting : settings) {
    if (!matches(setting)) continue;
    if (setting.shown) return &setting;
    found = &setting;
  }
  return found;
}

// What a name or a choice's text came to.
template <typename Found>
struct Match {
  std::optional<Found> found;
  std::vector<std::string> several;  // what a translated text names more than one of
};

Match<const ShownSetting*> FindSetting(std::string_view window,
                                       const std::vector<ShownSetting>& settings,
                                       std::string_view name) {
  const std::string wanted = Normalized(name);
  const ShownSetting* found = FirstMatch(settings, [&](const ShownSetting& setting) {
    return Normalized(setting.name) == wanted || Normalized(setting.control) == wanted;
  });
  if (found != nullptr) return {found, {}};
  // The caption in the language in use, where no English caption or control name matched; two
  // settings shown under the one caption are not guessed between.
  const auto translated = [&](const ShownSetting& setting) {
    return Normalized(ShownName(window, setting)) == wanted;
  };
  std::vector<std::string> several;
  for (const ShownSetting& setting : settings) {
    if (setting.shown && translated(setting))
      several.push_back(ShownName(window, setting) + " (" + setting.control + ")");
  }
  if (several.size() > 1) return {std::nullopt, several};
  found = FirstMatch(settings, translated);
  return {found ? std::optional(found) : std::nullopt, {}};
}

Match<std::size_t> FindChoice(std::string_view window, const ShownSetting& setting,
                              std::string_view text) {
  const std::string wanted = Normalized(text);
  for (std::size_t i = 0; i < setting.choices.size(); ++i) {
    if (Normalized(setting.choices[i].text) == wanted) return {i, {}};
  }
  Match<std::size_t> translated;
  for (std::size_t i = 0; i < setting.choices.size(); ++i) {
    const std::string shown = ShownChoice(window, setting.choices[i]);
    if (Normalized(shown) != wanted) continue;
    if (!translated.found) translated.found = i;
    translated.several.push_back(setting.choices[i].text);
  }
  if (translated.several.size() > 1) return {std::nullopt, translated.several};
  if (translated.found) return {translated.found, {}};
  if (wanted.size() != 1 || wanted[0] < '0' || wanted[0] > '9') return {};
  for (std::size_t i = 0; i < setting.choices.size(); ++i) {
    if (setting.choices[i].code == wanted[0] - '0') return {i, {}};
  }
  return {};
}

// The message for a request, which begins with the request itself as it was given.
std::string Refused(const SetRequest& request, const std::string& why) {
  return "--set \"" + request.name + "=" + request.choice + "\": " + why;
}

// `texts` tidied, each once whatever its case, in their order.
template <typename Text>
std::vector<std::string> Distinct(const std::vector<Text>& texts) {
  std::vector<std::string> distinct;
  std::set<std::string> seen;
  for (const std::string_view text : texts) {
    if (!Tidy(text).empty() && seen.insert(Normalized(text)).second) distinct.push_back(Tidy(text));
  }
  return distinct;
}

// Why `request` is refused, or none: `picks` takes the setting and the choice it names.
std::optional<std::string> WhyRefused(
    const ScreenDescription& screen, const std::vector<ShownSetting>& settings,
    const SetRequest& request, std::set<std::string>& named,
    std::vector<std::pair<const ShownSetting*, std::size_t>>& picks) {
  const std::string_view window = screen.window.name;
  const Match<const ShownSetting*> setting_match = FindSetting(window, settings, request.name);
  if (!setting_match.several.empty()) {
    // Translators: {1} the name given, {2} the settings it names, each as "caption (control name)".
    return Fill(Translate("\"{1}\" names several settings of this recorder: {2}. Give the "
                          "setting's control name instead."),
                {request.name, Joined(setting_match.several)});
  }
  if (!setting_match.found) {
    return Fill(Translate("the screen of this recorder ({1}) has no setting \"{2}\". Its "
                          "settings: {3}"),
                {window, request.name, SettingNames(window, settings)});
  }
  const ShownSetting* setting = *setting_match.found;
  const std::string name = ShownName(window, *setting);
  if (!setting->shown) {
    return Fill(Translate("this recorder does not offer \"{1}\". Its settings: {2}"),
                {name, SettingNames(window, settings)});
  }
  const std::string choices = Joined(ShownOfferedChoices(window, *setting));
  if (!named.insert(setting->control).second) {
    return Fill(Translate("\"{1}\" is set twice. Choices: {2}"), {name, choices});
  }
  const Match<std::size_t> choice = FindChoice(window, *setting, request.choice);
  if (!choice.several.empty()) {
    return Fill(Translate("\"{1}\" has several choices \"{2}\": {3}. Give the choice in "
                          "English or as its code digit."),
                {name, request.choice, Joined(choice.several)});
  }
  if (!choice.found ||
      (choice.found != setting->current && !setting->choices[*choice.found].offered)) {
    return Fill(Translate("\"{1}\" has no choice \"{2}\" for this recorder. Choices: {3}"),
                {name, request.choice, choices});
  }
  picks.emplace_back(setting, *choice.found);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ApplySets(const ScreenDescription* screen, ScreenState& state,
                                     const std::vector<SetRequest>& requests) {
  if (requests.empty()) return std::nullopt;
  if (screen == nullptr) {
    return Refused(requests.front(),
                   std::string(Translate(
                       "this recorder's screen has no settings; --start sets its clock only.")));
  }
  const std::vector<ShownSetting> settings = screens::SettingsOf(*screen, state);
  std::vector<std::pair<const ShownSetting*, std::size_t>> picks;
  std::set<std::string> named;
  for (const SetRequest& request : requests) {
    if (auto why = WhyRefused(*screen, settings, request, named, picks))
      return Refused(request, *why);
  }
  for (const auto& [setting, choice] : picks) {
    if (setting->current != choice) screens::SelectChoice(*screen, setting->control, choice, state);
  }
  return std::nullopt;
}

std::optional<std::string> ShownControlNamed(std::string_view window,
                                             const std::vector<ShownSetting>& settings,
                                             std::string_view name) {
  const Match<const ShownSetting*> match = FindSetting(window, settings, name);
  if (!match.found || !(*match.found)->shown) return std::nullopt;
  return (*match.found)->control;
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

std::optional<std::string> NameNoScreenHas(const std::vector<SetRequest>& requests,
                                           NameForms forms) {
  screens::SettingNames every;
  for (const ScreenDescription* screen : screens::EverySettingsScreen())
    screens::AddSettingNames(*screen, every);
  std::set<std::string> names;
  for (const std::string_view name : every.captions) names.insert(Normalized(name));
  for (const std::string_view name : every.controls) names.insert(Normalized(name));
  if (forms == NameForms::kEnglishAndShown) {
    for (const std::string& name : every.shown_captions) names.insert(Normalized(name));
  }
  const std::vector<std::string> listed = forms == NameForms::kEnglishAndShown
                                              ? Distinct(every.shown_captions)
                                              : Distinct(every.captions);
  for (const SetRequest& request : requests) {
    if (names.contains(Normalized(request.name))) continue;
    return Refused(request, Fill(Translate("no recorder's screen has a setting \"{1}\". The "
                                           "settings: {2}"),
                                 {request.name, Joined(listed)}));
  }
  return std::nullopt;
}

}  // namespace cli
