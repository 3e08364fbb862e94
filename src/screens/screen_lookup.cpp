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

}  // namespace screens
