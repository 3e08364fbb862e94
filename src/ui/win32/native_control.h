#pragma once

#include "ui/win32/windows_api.h"

#include <memory>
#include <string>
#include <string_view>

#include "screens/layout.h"
#include "screens/screen_state.h"
#include "ui/win32/dpi.h"

namespace ui::win32 {

// One native control of a screen window over its handle, with what its layout says about it.
// Each control kind (control_kinds.h) knows how to make, place and fill its window, how to read
// the user's choice from it, and answers its own notifications, which the window hands on.
class NativeControl {
 public:
  // `window` is the name of the window that shows it, whose texts it shows.
  NativeControl(const screens::Control& control, std::string_view window);
  virtual ~NativeControl() = default;
  NativeControl(const NativeControl&) = delete;
  NativeControl& operator=(const NativeControl&) = delete;

  // Makes the control inside `parent` (the window or its frame's container) at its place with
  // its font, as Place would place it: made there at once, it is not moved again, which under
  // Wine saves a resize of each drop-down list's open list. `first_in_group` starts an exclusive
  // group of option buttons. Null where the system refused it.
  HWND Create(HWND parent, int id, const Scaling& scaling, HFONT font, bool first_in_group);

  // Grows a place (pixels: left, top, width, height) to what the control's text needs in `font`;
  // only labels do.
  virtual void FitToText(HFONT /*font*/, RECT& /*place*/) const {}
  // Whether a new text may need a new place (FitToText).
  virtual bool GrowsWithText() const { return false; }
  // Gives the control its place (pixels: left, top, width, height) and font.
  void Place(const RECT& place, HFONT font);

  // Shows the control's part of a loaded state (everything but visibility, greying and place).
  virtual void Apply(const screens::ControlState& /*state*/) {}
  // Puts what the user chose in the control into its state.
  virtual void Read(screens::ControlState& /*state*/) const {}
  // A notification of WM_COMMAND from the control.
  virtual void Command(int /*code*/) {}

  const std::string name;
  const screens::ControlKind kind;
  const std::string container;  // the frame's name, or "" for the window
  const RECT twips;             // left, top, right, bottom within the container
  const screens::Font layout_font;
  HWND handle = nullptr;
  // Where the window last placed it and with which font, so that laying the window out again
  // moves only what changed.
  RECT placed{};
  HFONT placed_font = nullptr;

 protected:
  // Makes the window, visible, at `place` (pixels: left, top, width, height).
  virtual HWND Make(HWND parent, int id, const RECT& place, HFONT font, bool first_in_group) = 0;
  virtual void SetFont(HFONT font);
  // Fits to its place what the font decides, once the font is set.
  virtual void FitToPlace(const RECT& /*place*/) {}
  virtual void Move(const RECT& place, HFONT font);
  // A list's item or a label's caption from the screen's state, in the language in use; in
  // English byte for byte as the state holds it.
  std::wstring ShownStateText(const std::string& text) const;

  const std::string window_;
  // The caption as the layout gives it, in the language in use.
  const std::wstring caption;
};

// The wrapper of the control's kind, not yet made.
std::unique_ptr<NativeControl> MakeNativeControl(const screens::Control& control,
                                                 std::string_view window);

// A visible child window of a system class at `place` (pixels: left, top, width, height).
HWND CreateChild(const wchar_t* window_class, const std::wstring& text, DWORD style, DWORD ex_style,
                 HWND parent, int id, const RECT& place);

}  // namespace ui::win32
