#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace screens {

// What the load decided for one control; a window mirrors it.
struct ControlState {
  bool visible = true;
  bool enabled = true;
  bool selected = false;  // option buttons

  // Drop-down lists: the items, the selected one, and the text shown while none is selected
  // (the text of a selected item that a capability flag removed).
  std::vector<std::string> items;
  std::optional<int> current;
  std::string unlisted_text;

  // Labels the load renames, and controls it moves (twips).
  std::optional<std::string> caption;
  bool centred = false;
  std::optional<int> top;
};

struct ScreenState {
  std::string version_text;
  std::map<std::string, ControlState, std::less<>> controls;
  std::optional<int> outer_height;  // twips, title bar and borders included

  ControlState& at(std::string_view name);
  const ControlState& at(std::string_view name) const;
};

// The text a drop-down list shows: its selected item's, or the unlisted text when none is.
std::string_view ShownText(const ControlState& list);

}  // namespace screens
