#include "screens/choice_selection.h"

#include "screens/screen_lookup.h"

namespace screens {

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
