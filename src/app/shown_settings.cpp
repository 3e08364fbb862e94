#include "app/shown_settings.h"

#include <algorithm>
#include <set>

namespace app {
namespace {

using screens::ScreenDescription;
using screens::ScreenState;

const screens::Control* FindControl(const screens::WindowLayout& layout, std::string_view name) {
  for (const screens::Control& control : layout.controls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

// A caption as the window shows it: the one the load gave it, else the layout's.
std::string CaptionOf(const screens::Control& control, const ScreenState& state) {
  const screens::ControlState& shown = state.at(control.name);
  return shown.caption ? *shown.caption : std::string(control.caption);
}

const screens::OptionGroup* FindGroup(const ScreenDescription& screen, std::string_view frame) {
  for (const screens::OptionGroup& group : screen.groups) {
    if (group.frame == frame) return &group;
  }
  return nullptr;
}

const screens::ListSetting* FindList(const ScreenDescription& screen, std::string_view list) {
  for (const screens::ListSetting& setting : screen.lists) {
    if (setting.list == list) return &setting;
  }
  return nullptr;
}

ShownSetting GroupSetting(const ScreenDescription& screen, const screens::OptionGroup& group,
                          const ScreenState& state) {
  const screens::ControlState& frame = state.at(group.frame);
  ShownSetting setting{CaptionOf(*FindControl(screen.window, group.frame), state),
                       std::string(group.frame),
                       frame.visible,
                       {},
                       std::nullopt};
  for (std::size_t i = 0; i < group.buttons.size(); ++i) {
    const screens::ControlState& button = state.at(group.buttons[i]);
    setting.choices.push_back({CaptionOf(*FindControl(screen.window, group.buttons[i]), state),
                               static_cast<int>(i),
                               frame.visible && frame.enabled && button.visible && button.enabled});
    if (button.selected && !setting.current) setting.current = i;
  }
  return setting;
}

int ItemCode(const screens::ListSetting& list, std::string_view text) {
  for (const screens::ListItem& item : list.items) {
    if (item.text == text) return item.code;
  }
  return -1;
}

ShownSetting ListSettingOf(const ScreenDescription& screen, const screens::ListSetting& list,
                           const ScreenState& state) {
  const screens::ControlState& shown = state.at(list.list);
  ShownSetting setting{
      std::string(list.list), std::string(list.list), shown.visible, {}, std::nullopt};
  for (const screens::Control& control : screen.window.controls) {
    if (control.buddy == list.list) setting.name = CaptionOf(control, state);
  }
  for (const std::string& item : shown.items) {
    setting.choices.push_back({item, ItemCode(list, item), shown.visible && shown.enabled});
  }
  if (shown.current) {
    setting.current = static_cast<std::size_t>(*shown.current);
  } else if (!shown.unlisted_text.empty()) {
    setting.choices.push_back({shown.unlisted_text, ItemCode(list, shown.unlisted_text), false});
    setting.current = setting.choices.size() - 1;
  }
  return setting;
}

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

void Select(const ScreenDescription& screen, const ShownSetting& setting, std::size_t choice,
            ScreenState& state) {
  if (setting.current == choice) return;
  if (const screens::OptionGroup* group = FindGroup(screen, setting.control)) {
    for (std::size_t i = 0; i < group->buttons.size(); ++i) {
      state.at(group->buttons[i]).selected = i == choice;
    }
  } else {
    state.at(setting.control).current = static_cast<int>(choice);
  }
}

}  // namespace

std::vector<std::string> ShownSetting::OfferedTexts() const {
  std::vector<std::string> texts;
  for (const SettingChoice& choice : choices) {
    if (choice.offered) texts.push_back(choice.text);
  }
  return texts;
}

std::vector<ShownSetting> SettingsOf(const ScreenDescription& screen, const ScreenState& state) {
  std::vector<ShownSetting> settings;
  for (const screens::Control& control : screen.window.controls) {
    if (const screens::OptionGroup* group = FindGroup(screen, control.name)) {
      settings.push_back(GroupSetting(screen, *group, state));
    } else if (const screens::ListSetting* list = FindList(screen, control.name)) {
      settings.push_back(ListSettingOf(screen, *list, state));
    }
  }
  return settings;
}

std::string Tidy(std::string_view text) {
  std::string tidy;
  bool blank = false;
  for (const char c : text) {
    if (c == ' ' || c == '\t') {
      blank = true;
      continue;
    }
    if (blank && !tidy.empty()) tidy += ' ';
    blank = false;
    tidy += c;
  }
  return tidy;
}

std::optional<std::string> ApplySets(const ScreenDescription* screen, ScreenState& state,
                                     const std::vector<SetRequest>& requests) {
  if (requests.empty()) return std::nullopt;
  const auto refused = [](const SetRequest& request, const std::string& why) {
    return "--set \"" + request.name + "=" + request.choice + "\": " + why;
  };
  if (screen == nullptr) {
    return refused(requests.front(),
                   "this recorder's screen has no settings; --start sets its clock only.");
  }
  const std::vector<ShownSetting> settings = SettingsOf(*screen, state);
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
  for (const auto& [setting, choice] : picks) Select(*screen, *setting, choice, state);
  return std::nullopt;
}

}  // namespace app
