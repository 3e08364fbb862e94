#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "device/settings_line.h"
#include "language/language.h"
#include "screens/layout.h"
#include "screens/screen_state.h"

namespace screens {

// What one accepted value of a capability flag does to the screen.
struct Action {
  enum class Kind {
    kHide,         // the control (a frame with all it holds) is made invisible
    kDisable,      // the control stays visible, greyed, and cannot be chosen
    kClearItems,   // the list loses all its items
    kRemoveItem,   // the list item with `text` is taken out; later items move up
    kRelabel,      // the label reads `text`, centred when `centred`
    kMove,         // the control's top becomes `value`
    kOuterHeight,  // the window's outer height becomes `value`
  };
  Kind kind;
  std::string_view target;
  std::string_view text = {};
  int value = 0;
  bool centred = false;
};

using Actions = std::vector<Action>;

// A capability flag: each accepted digit with its actions; any other digit is a file error.
struct FlagStep {
  int position;
  std::map<int, Actions> outcomes;
};

// A setting: its digit selects the button or list item that carries that code; a digit that no
// button or item carries is a file error. `control` names an OptionGroup's frame or a ListSetting.
struct SettingStep {
  int position;
  std::string_view control;
};

using LoadStep = std::variant<FlagStep, SettingStep>;

// An exclusive group of option buttons in a frame; a button's code is its place in `buttons`.
struct OptionGroup {
  std::string_view frame;
  std::vector<std::string_view> buttons;
};

struct ListItem {
  std::string_view text;
  int code;
};

// A drop-down list, filled with its items in this order.
struct ListSetting {
  std::string_view list;
  std::vector<ListItem> items;
};

inline constexpr std::string_view kFileError =
    language::ToTranslate("Ravlen_setting.ini File Error");
inline constexpr char kNoChoiceCode = '9';

// A settings screen as data: its window, its settings, the steps of its load in the order they
// are validated, and where each setting goes in the 14-character settings block (an empty
// source is always "0"; WithSettingsPlaced fills it from the setting steps).
struct ScreenDescription {
  WindowLayout window = {};
  std::string_view file_error = kFileError;
  std::vector<OptionGroup> groups = {};
  std::vector<ListSetting> lists = {};
  std::vector<LoadStep> load_steps = {};
  std::array<std::string_view, device::kSettingsBlockLength> block = {};
};

// `screen` with its block filled from its setting steps: each setting goes to the block at its
// line position.
ScreenDescription WithSettingsPlaced(ScreenDescription screen);

// The screen state for a settings line: every control visible and enabled, the lists filled, then
// the load steps in order. Throws device::FileError with the screen's message for a value the
// screen does not accept, and device::ConversionFailure for a character that is not a digit;
// only the first failure in the order of the steps counts.
ScreenState Load(const ScreenDescription& screen, const device::SettingsLine& line);

// The 14-character settings block for a screen state: a hidden setting is "0"; a shown one is
// the code of its first selected button or of the item whose text the list shows, or the
// no-choice code "9" when there is none.
std::string Block(const ScreenDescription& screen, const ScreenState& state);

}  // namespace screens
