#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/front_end.h"

namespace testing_support {

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

// A control's place in pixels, relative to its container: the frame that holds it, or the
// window's client area. The same frame of reference as the layouts' twips.
struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const PixelRect& rect) {
    return out << rect.width << " x " << rect.height << " at (" << rect.left << ", " << rect.top
               << ")";
  }
};

struct Colour {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Colour&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Colour& colour) {
    return out << "rgb(" << colour.red << ", " << colour.green << ", " << colour.blue << ")";
  }
};

enum class Key { kDown, kUp, kSpace, kEnter, kEscape, kTab };

// Drives the windows of one front end as a user would, so that the window tests are written once
// and run for every front end. A control is found by its control name ("Command1", "Combo10") in
// the open window: the one window of the driver's front end that is on screen. Asking about a
// control that does not exist fails the test; it reads as hidden, disabled, unchecked and empty.
// Texts are UTF-8.
class WindowDriver {
 public:
  virtual ~WindowDriver() = default;

  // The real front end whose windows this driver sees.
  virtual app::FrontEnd& front_end() = 0;

  // The open window's name ("Form12"), or "none".
  virtual std::string WindowName() const = 0;
  // How many windows of the front end are on screen.
  virtual int WindowsOnScreen() const = 0;
  virtual std::string Title() const = 0;
  virtual PixelSize ClientSize() const = 0;
  // The height with the title bar and borders, where the window system reports them.
  virtual int OuterHeight() const = 0;
  // Pixels for a length in twips at the open window's DPI (and the scale it is shown at to fit).
  virtual int Pixels(int twips) const = 0;
  // On screen, in the screen's pixels: the open window with its frame (control ""), or a control;
  // and the part of the window's monitor that windows may take (the work area: no taskbar).
  virtual PixelRect OnScreen(std::string_view control) const = 0;
  virtual PixelRect WorkArea() const = 0;
  // The height of a line of a control's font, and the width of its text on one line, in pixels.
  virtual int LineHeight(std::string_view control) const = 0;
  virtual int TextWidth(std::string_view control) const = 0;
  // The width a control leaves its text on one line: a frame's for its title, an option button's
  // beside its indicator, a button's inside its margins, a drop-down list's inside its field;
  // 0 where the front end cannot tell. And the width of a list's widest item.
  virtual int TextRoom(std::string_view /*control*/) const { return 0; }
  virtual int WidestItemWidth(std::string_view /*list*/) const { return 0; }
  // Saves a picture of the open window's client area (BMP on Windows, PNG elsewhere; the file name
  // is given without its extension). False where it could not.
  virtual bool SavePicture(const std::string& path_without_extension) const = 0;

  virtual bool Exists(std::string_view control) const = 0;
  // Visible to the user: shown, and so is everything that contains it.
  virtual bool Visible(std::string_view control) const = 0;
  virtual bool Enabled(std::string_view control) const = 0;
  virtual bool Checked(std::string_view option_button) const = 0;
  // A label whose text is centred.
  virtual bool Centred(std::string_view label) const = 0;
  // The shown text: a button's, frame's or label's caption ("&" as the sign itself), the text
  // box's text, or what a drop-down list shows (its selected item, or the text it shows while
  // none is selected).
  virtual std::string Text(std::string_view control) const = 0;
  virtual std::vector<std::string> Items(std::string_view list) const = 0;
  virtual PixelRect Geometry(std::string_view control) const = 0;
  // The name of the frame that holds the control, or "" for the window.
  virtual std::string Container(std::string_view control) const = 0;
  // The name a screen reader announces for the control, "&" mnemonics taken out.
  virtual std::string AccessibleName(std::string_view control) const = 0;
  // Whether a text box shows its text from the first character on, not scrolled towards its end.
  virtual bool ShowsTextFromItsStart(std::string_view text_box) const = 0;
  // The control that has the keyboard focus, or "".
  virtual std::string FocusedControl() const = 0;
  // The `count` controls that Tab reaches one after another, from `first` on.
  virtual std::vector<std::string> TabOrder(std::string_view first, std::size_t count) const = 0;
  // A click with the mouse on the control (on an option button, on its indicator).
  virtual void Click(std::string_view control) = 0;
  // Picks the item shown as `item` in a drop-down list, with the keyboard, as a user would.
  virtual void Choose(std::string_view list, std::string_view item) = 0;
  // A key pressed while `control` has the focus.
  virtual void Press(std::string_view control, Key key) = 0;
  void PressStart() { Click("Command1"); }
  // Closes the open window with its close box.
  virtual void CloseByUser() = 0;
  // Lets the front end run its events (timers) for a while.
  virtual void ProcessEventsFor(int milliseconds) = 0;

  // Sets the system's colours of a window and of its text, as a colour scheme or a High Contrast
  // theme does, while the windows are open; the driver puts the earlier ones back when it goes.
  // False where the front end's windows do not take these colours from the system.
  virtual bool SetSystemColours(Colour /*window*/, Colour /*text*/) { return false; }
  // The colours that a control (with "", the open window's client area) shows on screen, the most
  // frequent first: the first is the background it is drawn on. Empty where they cannot be read.
  virtual std::vector<Colour> ShownColours(std::string_view /*control*/) const { return {}; }
};

// The driver of the front end that the test program is built for.
std::unique_ptr<WindowDriver> MakeWindowDriver();

}  // namespace testing_support
