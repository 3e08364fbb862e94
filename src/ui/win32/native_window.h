#pragma once

#include "ui/win32/windows_api.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "screens/layout.h"
#include "screens/screen_state.h"
#include "ui/win32/dpi.h"
#include "ui/win32/fonts.h"
#include "ui/win32/native_control.h"

namespace ui::win32 {

class OptionButton;

// A screen's top-level window and its controls. It lives, held by the list of live windows,
// until its handle is destroyed, which the program's close defers to a posted message: so a
// handler may close the window, or drop the app::Window over it, while it runs.
class NativeWindow : public std::enable_shared_from_this<NativeWindow> {
 public:
  // Builds the window, hidden, with every control; registers it with the live windows.
  static std::shared_ptr<NativeWindow> Create(const screens::WindowLayout& layout);
  ~NativeWindow();
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  void Apply(const screens::ScreenState& state);
  screens::ScreenState CurrentState() const;
  void SetText(std::string_view control, std::string_view utf8);

  void OnClick(std::string_view control, std::function<void()> handler);
  void OnClosedByUser(std::function<void()> handler) { closed_by_user_ = std::move(handler); }
  void StartTimer(int interval_ms, std::function<void()> tick);
  // Called on a volume's arrival and removal, which Windows tells every top-level window.
  void OnDrivesChanged(std::function<void()> handler) { drives_changed_ = std::move(handler); }
  bool TimerRunning() const { return timer_running_; }

  void Show();
  // Closes for good without reporting it as closed by the user; the handle goes once the running
  // handler returns.
  void Close();

  // For the front end and the tests: the handle (null once destroyed), the layout's name, a
  // control by name (null when there is none) and the controls in the order they were created.
  HWND handle() const { return handle_; }
  const std::string& name() const { return name_; }
  bool closed() const { return closed_; }
  const NativeControl* Control(std::string_view name) const;
  const std::vector<std::unique_ptr<NativeControl>>& controls() const { return controls_; }
  UINT dpi() const { return scaling_.dpi; }
  // The share of its size the window is shown at to fit its monitor's work area (1 where it fits).
  double scale() const { return scaling_.scale; }
  // Pixels for a length in twips at the window's resolution and scale.
  int Pixels(int twips) const { return scaling_.Pixels(twips); }

 private:
  explicit NativeWindow(const screens::WindowLayout& layout);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
  LRESULT Handle(UINT message, WPARAM w_param, LPARAM l_param);
  void Build(const screens::WindowLayout& layout);
  NativeControl* Add(const screens::Control& control, HWND parent, int id, bool first_in_group);
  void Layout();
  void FitToWorkArea();
  void PlaceInWorkArea(SIZE outer);
  RECT Place(const NativeControl& control) const;
  void Command(HWND control, int code);
  void DeselectOthers(const OptionButton& chosen);
  void CloseByUser();
  void Dispose();
  NativeControl* Find(std::string_view name);

  std::string name_;
  std::wstring title_;
  int client_width_ = 0;  // twips
  int client_height_ = 0;
  HWND handle_ = nullptr;
  Scaling scaling_;
  std::unique_ptr<FontCache> fonts_;
  std::vector<std::unique_ptr<NativeControl>> controls_;  // in the order they were made
  std::map<std::string, int, std::less<>> tops_;          // moved controls' tops, in twips
  screens::ScreenState state_;
  std::function<void()> closed_by_user_;
  std::function<void()> tick_;
  std::function<void()> drives_changed_;
  bool timer_running_ = false;
  bool closed_ = false;
  bool shown_ = false;
};

// The windows whose handles still exist, oldest first.
std::vector<std::shared_ptr<NativeWindow>> LiveWindows();
// The newest window that is open and on screen, or null: the owner of message boxes.
std::shared_ptr<NativeWindow> OpenWindow();
HWND OpenWindowHandle();

}  // namespace ui::win32
