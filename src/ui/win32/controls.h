#pragma once

#include "ui/win32/windows_api.h"

#include <string>

#include "screens/layout.h"
#include "screens/screen_state.h"

namespace ui::win32 {

// One native control of a screen window, with what its layout says about it. A frame is a
// container window (so that hiding it hides what it holds, and its option buttons form their own
// exclusive group) holding a group box that draws it.
struct NativeControl {
  std::string name;
  screens::ControlKind kind;
  std::string container;  // the frame's name, or "" for the window
  RECT twips;             // left, top, right, bottom within the container
  screens::Font font;
  int tab_index = 0;
  HWND handle = nullptr;
  HWND group_box = nullptr;    // frames only
  std::wstring unlisted_text;  // drop-down lists: shown while none of the items is selected
  // Where the window last placed it (pixels: left, top, width, height) and with which font, so
  // that laying the window out again moves only what changed.
  RECT placed{};
  HFONT placed_font = nullptr;
};

// Creates the control inside `parent` (the window or its frame's container), hidden from no one,
// at its place (pixels: left, top, width, height) with its font, as PlaceNativeControl would
// place it: made there at once, it is not moved again, which under Wine saves a resize of each
// drop-down list's open list. `first_in_group` starts an exclusive group of option buttons.
HWND CreateNativeControl(const screens::Control& control, HWND parent, int id, bool first_in_group,
                         const RECT& place, HFONT font, NativeControl& native);

// Grows a label's place (pixels: left, top, width, height) to hold its text in `font`: a line's
// full height, and a one-line text's width. Fonts do not scale in step with the twips: at 120 or
// 144 DPI a line is taller, and a word wider, than the twips give. Other controls keep their place.
void FitLabelToText(const NativeControl& control, HFONT font, RECT& place);

// Gives the control its place and font for a resolution.
void PlaceNativeControl(const NativeControl& control, int left, int top, int width, int height,
                        HFONT font);

// Shows one control's part of a loaded state (everything but visibility, greying and place).
void ApplyControlState(NativeControl& control, const screens::ControlState& state);

}  // namespace ui::win32
