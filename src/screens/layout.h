#pragma once

#include <string_view>
#include <vector>

#include "screens/program_text.h"

namespace screens {

enum class ControlKind { kLabel, kTextBox, kFrame, kOptionButton, kDropDownList, kButton };

struct Font {
  double points = 0;  // 0: the window's default font
  bool bold = false;
};

// One control of a window, at its design geometry in twips. A control inside a frame is placed
// relative to the frame; `container` is empty for the window itself.
struct Control {
  std::string_view name;
  ControlKind kind;
  std::string_view container;
  std::string_view caption;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int tab_index = 0;
  Font font;
  std::string_view buddy = {};  // the control a caption label names, for screen readers
};

struct WindowLayout {
  std::string_view name;
  std::string_view title;
  int client_width = 0;  // twips
  int client_height = 0;
  std::vector<Control> controls;
};

// Fonts the screens use.
inline constexpr Font kClockFont{18, true};
inline constexpr Font kTitleFont{18, true};
inline constexpr Font kBoldFont{15.75, true};
inline constexpr Font kFrameFont{11.25, false};
inline constexpr Font kOptionFont{9, false};
inline constexpr Font kCaptionFont{12, false};
inline constexpr Font kDefaultFont{};

}  // namespace screens
