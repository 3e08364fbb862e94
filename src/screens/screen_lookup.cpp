#include "screens/screen_lookup.h"

namespace screens {

const Control* FindControl(const WindowLayout& layout, std::string_view name) {
  for (const Control& control : layout.controls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

const OptionGroup* FindGroup(const ScreenDescription& screen, std::string_view frame) {
  for (const OptionGroup& group : screen.groups) {
    if (group.frame == frame) return &group;
  }
  return nullptr;
}

const ListSetting* FindList(const ScreenDescription& screen, std::string_view list) {
  for (const ListSetting& setting : screen.lists) {
    if (setting.list == list) return &setting;
  }
  return nullptr;
}

void SelectChoice(const ScreenDescription& screen, std::string_view control, std::size_t choice,
                  ScreenState& state) {
  if (const OptionGroup* group = FindGroup(screen, control)) {
    for (std::size_t i = 0; i < group->buttons.size(); ++i) {
      state.at(group->buttons[i]).selected = i == choice;
    }
  } else {
    state.at(control).current = static_cast<int>(choice);
  }
}

}  // namespace screens
