#include "screens/shown_settings.h"

#include <algorithm>
#include <variant>

#include "screens/screen_lookup.h"
#include "screens/screen_texts.h"

namespace screens {
namespace {

// A caption as the window shows it: the one the load gave it, else the layout's.
std::string CaptionOf(const Control& control, const ScreenState& state) {
  const ControlState& shown = state.at(control.name);
  return shown.caption ? *shown.caption : std::string(control.caption);
}

ShownSetting GroupSetting(const ScreenDescription& screen, const OptionGroup& group,
                          const ScreenState& state) {
  const ControlState& frame = state.at(group.frame);
  ShownSetting setting{CaptionOf(*FindControl(screen.window, group.frame), state),
                       std::string(group.frame),
                       frame.visible,
                       {},
                       std::nullopt,
                       std::string(group.frame)};
  for (std::size_t i = 0; i < group.buttons.size(); ++i) {
    const ControlState& button = state.at(group.buttons[i]);
    setting.choices.push_back({CaptionOf(*FindControl(screen.window, group.buttons[i]), state),
                               static_cast<int>(i),
                               frame.visible && frame.enabled && button.visible && button.enabled,
                               std::string(group.buttons[i])});
    if (button.selected && !setting.current) setting.current = i;
  }
  return setting;
}

int ItemCode(const ListSetting& list, std::string_view text) {
  for (const ListItem& item : list.items) {
    if (item.text == text) return item.code;
  }
  return -1;
}

ShownSetting ListSettingOf(const ScreenDescription& screen, const ListSetting& list,
                           const ScreenState& state) {
  const ControlState& shown = state.at(list.list);
  const std::string control(list.list);
  ShownSetting setting{control, control, shown.visible, {}, std::nullopt, control};
  for (const Control& label : screen.window.controls) {
    if (label.buddy != list.list) continue;
    setting.name = CaptionOf(label, state);
    setting.caption_control = label.name;
  }
  for (const std::string& item : shown.items) {
    setting.choices.push_back(
        {item, ItemCode(list, item), shown.visible && shown.enabled, control});
  }
  if (shown.current) {
    setting.current = static_cast<std::size_t>(*shown.current);
  } else if (!shown.unlisted_text.empty()) {
    setting.choices.push_back(
        {shown.unlisted_text, ItemCode(list, shown.unlisted_text), false, control});
    setting.current = setting.choices.size() - 1;
  }
  return setting;
}

// The captions that a load of `screen` may give the control `control` in place of its own.
std::vector<std::string_view> Relabels(const ScreenDescription& screen, std::string_view control) {
  std::vector<std::string_view> captions;
  for (const LoadStep& step : screen.load_steps) {
    const auto* flag = std::get_if<FlagStep>(&step);
    if (flag == nullptr) continue;
    for (const auto& [value, actions] : flag->outcomes) {
      for (const Action& action : actions) {
        if (action.kind == Action::Kind::kRelabel && action.target == control)
          captions.push_back(action.text);
      }
    }
  }
  return captions;
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
  for (const Control& control : screen.window.controls) {
    if (const OptionGroup* group = FindGroup(screen, control.name)) {
      settings.push_back(GroupSetting(screen, *group, state));
    } else if (const ListSetting* list = FindList(screen, control.name)) {
      settings.push_back(ListSettingOf(screen, *list, state));
    }
  }
  return settings;
}

void AddSettingNames(const ScreenDescription& screen, SettingNames& names) {
  for (const Control& control : screen.window.controls) {
    const bool group = FindGroup(screen, control.name) != nullptr;
    const bool list = FindList(screen, control.name) != nullptr;
    if (!group && !list) continue;
    names.controls.push_back(control.name);
    std::vector<std::string_view> captioned;  // the frame, or the labels that name the list
    if (group) captioned.push_back(control.name);
    for (const Control& label : screen.window.controls) {
      if (list && label.buddy == control.name) captioned.push_back(label.name);
    }
    for (const Control& named : screen.window.controls) {
      if (std::find(captioned.begin(), captioned.end(), named.name) == captioned.end()) continue;
      std::vector<std::string_view> captions = Relabels(screen, named.name);
      captions.insert(captions.begin(), named.caption);
      for (const std::string_view caption : captions) {
        names.captions.push_back(caption);
        names.shown_captions.push_back(
            TranslatedScreenText({screen.window.name, named.name, caption}));
      }
    }
  }
}

}  // namespace screens
