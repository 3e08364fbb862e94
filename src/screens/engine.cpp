#include <algorithm>

#include "device/errors.h"
#include "language/message.h"
#include "screens/choice_selection.h"
#include "screens/screen.h"
#include "screens/screen_lookup.h"

namespace screens {
namespace {

void RemoveItem(ControlState& list, std::string_view text) {
  const auto found = std::find(list.items.begin(), list.items.end(), text);
  if (found == list.items.end()) return;
  const int index = static_cast<int>(found - list.items.begin());
  if (list.current && *list.current == index) {
    // The recorder's setting stays what it is: the list keeps showing the removed item's text
    // with nothing selected, and Start writes its code unless the user picks another item.
    list.unlisted_text = *found;
    list.current.reset();
  } else if (list.current && *list.current > index) {
    --*list.current;
  }
  list.items.erase(found);
}

void Apply(const Action& action, ScreenState& state) {
  if (action.kind == Action::Kind::kOuterHeight) {
    state.outer_height = action.value;
    return;
  }
  ControlState& control = state.at(action.target);
  switch (action.kind) {
    case Action::Kind::kHide:
      control.visible = false;
      break;
    case Action::Kind::kDisable:
      control.enabled = false;
      break;
    case Action::Kind::kClearItems:
      control.items.clear();
      control.current.reset();
      control.unlisted_text.clear();
      break;
    case Action::Kind::kRemoveItem:
      RemoveItem(control, action.text);
      break;
    case Action::Kind::kRelabel:
      control.caption = std::string(action.text);
      control.centred = action.centred;
      break;
    case Action::Kind::kMove:
      control.top = action.value;
      break;
    case Action::Kind::kOuterHeight:
      break;
  }
}

[[noreturn]] void Reject(const ScreenDescription& screen) {
  throw device::FileError(language::Message(screen.file_error));
}

void Select(const ScreenDescription& screen, const SettingStep& step,
            const device::SettingsLine& line, ScreenState& state) {
  const int code = device::DigitAt(line, step.position);
  if (const OptionGroup* group = FindGroup(screen, step.control)) {
    if (code >= static_cast<int>(group->buttons.size())) Reject(screen);
    SelectChoice(screen, step.control, static_cast<std::size_t>(code), state);
    return;
  }
  const ListSetting* list = FindList(screen, step.control);
  ControlState& control = state.at(step.control);
  for (const auto& item : list->items) {
    if (item.code != code) continue;
    const auto shown = std::find(control.items.begin(), control.items.end(), item.text);
    if (shown == control.items.end()) {
      control.current.reset();
      control.unlisted_text = std::string(item.text);
    } else {
      SelectChoice(screen, step.control, static_cast<std::size_t>(shown - control.items.begin()),
                   state);
    }
    return;
  }
  Reject(screen);
}

void ApplyFlag(const ScreenDescription& screen, const FlagStep& step,
               const device::SettingsLine& line, ScreenState& state) {
  const auto outcome = step.outcomes.find(device::DigitAt(line, step.position));
  if (outcome == step.outcomes.end()) Reject(screen);
  for (const Action& action : outcome->second) Apply(action, state);
}

char GroupCode(const OptionGroup& group, const ScreenState& state) {
  if (!state.at(group.frame).visible) return '0';
  for (std::size_t i = 0; i < group.buttons.size(); ++i) {
    if (state.at(group.buttons[i]).selected) return static_cast<char>('0' + i);
  }
  return kNoChoiceCode;
}

char ListCode(const ListSetting& setting, const ScreenState& state) {
  const ControlState& list = state.at(setting.list);
  if (!list.visible) return '0';
  const std::string_view shown = ShownText(list);
  for (const auto& item : setting.items) {
    if (item.text == shown) return static_cast<char>('0' + item.code);
  }
  return kNoChoiceCode;
}

}  // namespace

ScreenState Load(const ScreenDescription& screen, const device::SettingsLine& line) {
  ScreenState state;
  state.version_text = std::string(line.VersionText());
  for (const Control& control : screen.window.controls) state.controls[std::string(control.name)];
  for (const ListSetting& setting : screen.lists) {
    for (const ListItem& item : setting.items) {
      state.at(setting.list).items.emplace_back(item.text);
    }
  }
  for (const LoadStep& step : screen.load_steps) {
    if (const auto* flag = std::get_if<FlagStep>(&step)) {
      ApplyFlag(screen, *flag, line, state);
    } else {
      Select(screen, std::get<SettingStep>(step), line, state);
    }
  }
  return state;
}

ScreenDescription WithSettingsPlaced(ScreenDescription screen) {
  for (const LoadStep& step : screen.load_steps) {
    if (const auto* setting = std::get_if<SettingStep>(&step)) {
      const int offset = setting->position - device::kSettingsBlockPosition;
      screen.block.at(static_cast<std::size_t>(offset)) = setting->control;
    }
  }
  return screen;
}

std::string Block(const ScreenDescription& screen, const ScreenState& state) {
  std::string block;
  for (const std::string_view source : screen.block) {
    if (source.empty()) {
      block += '0';
    } else if (const OptionGroup* group = FindGroup(screen, source)) {
      block += GroupCode(*group, state);
    } else {
      block += ListCode(*FindList(screen, source), state);
    }
  }
  return block;
}

}  // namespace screens
