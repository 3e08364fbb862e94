#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/root_search.h"
#include "screens/layout.h"
#include "screens/screen_state.h"

namespace app {

// One window that a front end builds from a screen's layout: every control at its twips geometry
// scaled by the window's DPI, named by its control name. The flow drives it through this and
// nothing else. Texts in states are device bytes: one byte is one character (Latin-1).
class Window {
 public:
  virtual ~Window() = default;

  // Shows a loaded state: the version text in Text1, visibility, greying, selections, list items,
  // renamed and centred labels, moved controls and the outer height.
  virtual void Apply(const screens::ScreenState& state) = 0;
  // The applied state with the choices the user has made since.
  virtual screens::ScreenState CurrentState() const = 0;
  // Sets the caption of a label (the live clock, the basic screen's version text, the drives a
  // waiting window lists), in UTF-8, so that a drive's label shows in any script.
  virtual void SetText(std::string_view control, std::string_view utf8) = 0;

  // The handler of a button's click. A handler may close this window or end the program.
  virtual void OnClick(std::string_view control, std::function<void()> handler) = 0;
  // Called when the user closes the window (close box, Escape, Alt+F4); not when the program does.
  virtual void OnClosedByUser(std::function<void()> handler) = 0;
  // Starts the window's repeating timer; it stops when the window closes.
  virtual void StartTimer(int interval_ms, std::function<void()> tick) = 0;
  virtual bool TimerRunning() const = 0;
  // The handler called, while the window is open, each time the system reports that a drive
  // came or went: a volume mounted or unmounted (Linux), a volume arriving or leaving (Windows).
  virtual void OnDrivesChanged(std::function<void()> handler) = 0;

  // Shows the window, not modal.
  virtual void Show() = 0;
  // Closes the window for good, without reporting it as closed by the user. Safe to call from
  // one of its own handlers: the front end releases the window's resources once that returns.
  virtual void Close() = 0;
};

// What the program needs from a toolkit.
class FrontEnd {
 public:
  virtual ~FrontEnd() = default;

  virtual std::unique_ptr<Window> CreateWindow(const screens::WindowLayout& layout) = 0;
  // The modal message box with one OK button, titled with the application's title, owned by the
  // open window when there is one.
  virtual void ShowMessage(std::string_view text) = 0;
  // The modal message box with Yes and No buttons, No the default, titled and owned as
  // ShowMessage's: whether the user answered Yes.
  virtual bool Ask(std::string_view question) = 0;
  // Whether a failure found before any window opens (a device root that is not a folder, two
  // roots) is shown with ShowMessage too, not only on stderr: where a program that is
  // double-clicked or given a dropped file has no stderr that anyone reads (Windows).
  virtual bool ShowsFailuresBeforeWindow() const { return false; }
  // Asks which of several recorders to work on: the position of the chosen one, or none when the
  // user cancels.
  virtual std::optional<std::size_t> ChooseVolume(const std::vector<device::Volume>& volumes) = 0;
  // The system's dialog for choosing a folder, owned by the open window: the chosen folder, or
  // none when the user cancels.
  virtual std::optional<std::filesystem::path> ChooseFolder() = 0;

  // Runs the event loop until Quit; returns the status given to Quit.
  virtual int RunEventLoop() = 0;
  // Ends the event loop with `status` once the running handler returns.
  virtual void Quit(int status) = 0;
};

}  // namespace app
