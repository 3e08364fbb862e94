#include "screens/screen_state.h"

#include <stdexcept>

namespace screens {

ControlState& ScreenState::at(std::string_view name) {
  const auto found = controls.find(name);
  if (found == controls.end()) throw std::out_of_range("no control " + std::string(name));
  return found->second;
}

const ControlState& ScreenState::at(std::string_view name) const {
  return const_cast<ScreenState&>(*this).at(name);
}

std::string_view ShownText(const ControlState& list) {
  if (list.current) return list.items.at(static_cast<std::size_t>(*list.current));
  return list.unlisted_text;
}

}  // namespace screens
