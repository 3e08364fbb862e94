#include "ui/win32/native_window.h"

#include <algorithm>

#include "screens/screen_texts.h"
#include "ui/twips.h"
#include "ui/win32/control_kinds.h"
#include "ui/win32/creation_order.h"
#include "ui/win32/drive_changes.h"
#include "ui/win32/system_colours.h"
#include "ui/win32/text.h"
#include "ui/win32/window_class.h"

namespace ui::win32 {
namespace {

using screens::ControlKind;

constexpr wchar_t kWindowClass[] = L"DtcScreenWindow";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr UINT kDisposeMessage = WM_APP + 1;
constexpr UINT_PTR kTimerId = 1;
constexpr int kFirstControlId = 100;
constexpr int kIconId = 1;

std::vector<std::shared_ptr<NativeWindow>>& Live() {
  static std::vector<std::shared_ptr<NativeWindow>> windows;
  return windows;
}

}  // namespace

std::shared_ptr<NativeWindow> NativeWindow::Create(const screens::WindowLayout& layout) {
  std::shared_ptr<NativeWindow> window(new NativeWindow(layout));
  Live().push_back(window);
  window->Build(layout);
  return window;
}

NativeWindow::NativeWindow(const screens::WindowLayout& layout)
    : name_(layout.name),
      title_(WideFromUtf8(screens::TranslatedScreenText({layout.name, {}, layout.title}))),
      client_width_(layout.client_width),
      client_height_(layout.client_height) {}

NativeWindow::~NativeWindow() {
  if (handle_ != nullptr) ::DestroyWindow(handle_);
}

void NativeWindow::Build(const screens::WindowLayout& layout) {
  // The window works as a dialog (DefDlgProc): Tab and the arrow keys move the focus, Enter
  // presses the focused button, Escape cancels.
  const wchar_t* window_class = RegisterWindowClass({.name = kWindowClass,
                                                     .procedure = Procedure,
                                                     .background = WindowColourClassBackground(),
                                                     .icon_resource = kIconId,
                                                     .window_extra = DLGWINDOWEXTRA});
  if (window_class == nullptr) return;
  ::CreateWindowExW(kExStyle, window_class, title_.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, ::GetModuleHandleW(nullptr),
                    this);
  if (handle_ == nullptr) return;
  scaling_.dpi = WindowDpi(handle_);
  // The scale and the fonts the controls are made with.
  FitToWorkArea();

  controls_.reserve(layout.controls.size());
  const auto id_of = [&layout](const screens::Control* control) {
    return kFirstControlId + static_cast<int>(control - layout.controls.data());
  };
  for (const screens::Control* control : InCreationOrder(layout.controls, "")) {
    NativeControl* made = Add(*control, handle_, id_of(control), true);
    if (made == nullptr || control->kind != ControlKind::kFrame) continue;
    bool first_option = true;
    for (const screens::Control* inner : InCreationOrder(layout.controls, control->name)) {
      const bool option = inner->kind == ControlKind::kOptionButton;
      Add(*inner, made->handle, id_of(inner), option && first_option);
      if (option) first_option = false;
    }
    static_cast<Frame*>(made)->PutBoxBeneathContents();
  }
  Layout();
}

// Makes the control at its place with its font, as Layout places it, and gives its notifications
// the window's handlers.
NativeControl* NativeWindow::Add(const screens::Control& control, HWND parent, int id,
                                 bool first_in_group) {
  std::unique_ptr<NativeControl> made = MakeNativeControl(control, name_);
  if (made == nullptr) return nullptr;
  made->Create(parent, id, scaling_, fonts_->Get(control.font), first_in_group);
  if (made->kind == ControlKind::kOptionButton) {
    auto* option = static_cast<OptionButton*>(made.get());
    option->OnSelected([this, option] {
      if (!closed_) DeselectOthers(*option);
    });
  }
  return controls_.emplace_back(std::move(made)).get();
}

// Where the window, at its resolution, is taller or wider than its monitor's work area, its whole
// layout (places, sizes and fonts) is scaled down until it fits, so that Start stays on screen.
void NativeWindow::FitToWorkArea() {
  const RECT work = WorkArea(handle_);
  const Scaling unscaled{scaling_.dpi};
  const SIZE frame = OuterSize(0, 0, kStyle, kExStyle, unscaled.dpi);
  const int width = unscaled.Pixels(client_width_);
  const int height = state_.outer_height ? unscaled.Pixels(*state_.outer_height) - frame.cy
                                         : unscaled.Pixels(client_height_);
  scaling_.scale = FitScale(width, height, (work.right - work.left) - frame.cx,
                            (work.bottom - work.top) - frame.cy);
  const double font_dpi = scaling_.dpi * scaling_.scale;
  if (fonts_ && fonts_->dpi() == font_dpi) return;
  fonts_ = std::make_unique<FontCache>(font_dpi);
  // The old fonts are gone; a new font may get an old one's handle.
  for (const auto& control : controls_) control->placed_font = nullptr;
}

// Before it is first shown, the window is moved inside its monitor's work area; later the user
// decides where it stands.
void NativeWindow::PlaceInWorkArea(SIZE outer) {
  const RECT work = WorkArea(handle_);
  RECT now{};
  ::GetWindowRect(handle_, &now);
  const LONG left = std::max(work.left, std::min(now.left, work.right - outer.cx));
  const LONG top = std::max(work.top, std::min(now.top, work.bottom - outer.cy));
  ::SetWindowPos(handle_, nullptr, left, top, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A control's place (pixels: left, top, width, height) at the window's resolution and scale.
RECT NativeWindow::Place(const NativeControl& control) const {
  const auto moved = tops_.find(control.name);
  const int top = moved != tops_.end() ? moved->second : control.twips.top;
  RECT place = scaling_.Place(control.twips, top);
  control.FitToText(fonts_->Get(control.layout_font), place);
  return place;
}

void NativeWindow::Layout() {
  FitToWorkArea();
  for (const auto& control : controls_) {
    const RECT place = Place(*control);
    const HFONT font = fonts_->Get(control->layout_font);
    // Every move and font change costs the window system messages; a second layout, after a
    // screen's load, mostly changes nothing.
    if (font == control->placed_font && ::EqualRect(&place, &control->placed)) continue;
    control->Place(place, font);
  }
  SIZE outer =
      OuterSize(Pixels(client_width_), Pixels(client_height_), kStyle, kExStyle, scaling_.dpi);
  if (state_.outer_height) outer.cy = Pixels(*state_.outer_height);
  if (!shown_) {
    PlaceInWorkArea(outer);
    return;
  }
  ::SetWindowPos(handle_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

NativeControl* NativeWindow::Find(std::string_view name) {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [name](const auto& control) { return control->name == name; });
  return found == controls_.end() ? nullptr : found->get();
}

const NativeControl* NativeWindow::Control(std::string_view name) const {
  return const_cast<NativeWindow*>(this)->Find(name);
}

void NativeWindow::Apply(const screens::ScreenState& state) {
  state_ = state;
  if (handle_ == nullptr) return;
  if (NativeControl* text_box = Find("Text1")) {
    ::SetWindowTextW(text_box->handle, WideFromDeviceText(state.version_text).c_str());
  }
  for (const auto& [name, control_state] : state.controls) {
    NativeControl* control = Find(name);
    if (control == nullptr) continue;
    control->Apply(control_state);
    if (control_state.top) tops_[name] = *control_state.top;
    // Only a change of visibility is passed on: each call costs the window system messages.
    const bool shown = (::GetWindowLongPtrW(control->handle, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != control_state.visible) {
      ::ShowWindow(control->handle, control_state.visible ? SW_SHOWNA : SW_HIDE);
    }
    // A hidden control is also disabled, so that nothing can choose it.
    ::EnableWindow(control->handle, control_state.enabled && control_state.visible);
  }
  Layout();
}

screens::ScreenState NativeWindow::CurrentState() const {
  screens::ScreenState state = state_;
  if (handle_ == nullptr) return state;
  for (auto& [name, control_state] : state.controls) {
    if (const NativeControl* control = Control(name)) control->Read(control_state);
  }
  return state;
}

void NativeWindow::SetText(std::string_view name, std::string_view utf8) {
  NativeControl* control = Find(name);
  if (control == nullptr) return;
  const std::wstring text = WideFromUtf8(utf8);
  // The live clock sets the same text ten times a second; repainting it only when it changes
  // keeps it from flickering.
  wchar_t shown[64];
  const int length = ::GetWindowTextW(control->handle, shown, 64);
  if (text.size() < 63 && text == std::wstring_view(shown, static_cast<std::size_t>(length)))
    return;
  ::SetWindowTextW(control->handle, text.c_str());
  // A label's new text may need more room than its twips give.
  if (!control->GrowsWithText()) return;
  const RECT place = Place(*control);
  if (::EqualRect(&place, &control->placed)) return;
  ::MoveWindow(control->handle, place.left, place.top, place.right, place.bottom, TRUE);
  control->placed = place;
}

void NativeWindow::OnClick(std::string_view name, std::function<void()> handler) {
  NativeControl* control = Find(name);
  if (control == nullptr || control->kind != ControlKind::kButton) return;
  static_cast<PushButton*>(control)->OnClick([this, handler = std::move(handler)] {
    if (!closed_ && handler) handler();
  });
}

void NativeWindow::StartTimer(int interval_ms, std::function<void()> tick) {
  if (handle_ == nullptr || closed_) return;
  tick_ = std::move(tick);
  timer_running_ = ::SetTimer(handle_, kTimerId, static_cast<UINT>(interval_ms), nullptr) != 0;
}

void NativeWindow::Show() {
  if (handle_ == nullptr || closed_) return;
  shown_ = true;
  ::ShowWindow(handle_, SW_SHOW);
  ::SetForegroundWindow(handle_);
  if (const HWND first = ::GetNextDlgTabItem(handle_, nullptr, FALSE)) {
    ::SendMessageW(handle_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
  }
  ::UpdateWindow(handle_);
}

void NativeWindow::Close() {
  if (closed_) return;
  Dispose();
}

void NativeWindow::CloseByUser() {
  if (closed_) return;
  Dispose();
  if (closed_by_user_) closed_by_user_();
}

// Stops the window at once and destroys its handle once the running handler has returned.
void NativeWindow::Dispose() {
  closed_ = true;
  if (handle_ == nullptr) return;
  if (timer_running_) ::KillTimer(handle_, kTimerId);
  timer_running_ = false;
  ::ShowWindow(handle_, SW_HIDE);
  ::PostMessageW(handle_, kDisposeMessage, 0, 0);
}

// Hands a notification to the control it comes from.
void NativeWindow::Command(HWND control_handle, int code) {
  const auto owner = std::find_if(
      controls_.begin(), controls_.end(),
      [control_handle](const auto& control) { return control->handle == control_handle; });
  if (owner != controls_.end()) (*owner)->Command(code);
}

// The system unchecks only the enabled, visible buttons of a group; a hidden or greyed button that
// the load selected must lose its selection too.
void NativeWindow::DeselectOthers(const OptionButton& chosen) {
  for (const auto& other : controls_) {
    if (other.get() != &chosen && other->kind == ControlKind::kOptionButton &&
        other->container == chosen.container) {
      static_cast<OptionButton&>(*other).Deselect();
    }
  }
}

LRESULT CALLBACK NativeWindow::Procedure(HWND window, UINT message, WPARAM w_param,
                                         LPARAM l_param) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<NativeWindow*>(reinterpret_cast<CREATESTRUCTW*>(l_param)->lpCreateParams);
    self->handle_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<NativeWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return ::DefDlgProcW(window, message, w_param, l_param);
  // Kept alive while a handler runs, even when the handler closes the window.
  const std::shared_ptr<NativeWindow> keep = self->weak_from_this().lock();
  return self->Handle(message, w_param, l_param);
}

LRESULT NativeWindow::Handle(UINT message, WPARAM w_param, LPARAM l_param) {
  const HWND window = handle_;
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(w_param);
      if (id == IDCANCEL) {
        CloseByUser();  // Escape
      } else if (id == IDOK) {
        // Enter where no button is the default: the focused button, if any, is pressed.
        Command(::GetFocus(), BN_CLICKED);
      } else if (l_param != 0) {
        Command(reinterpret_cast<HWND>(l_param), HIWORD(w_param));
      }
      return 0;
    }
    case WM_CLOSE:
      CloseByUser();
      return 0;
    case WM_TIMER:
      if (w_param == kTimerId && timer_running_ && tick_) tick_();
      return 0;
    case WM_DEVICECHANGE:
      if (IsVolumeArrivalOrRemoval(w_param, l_param) && drives_changed_) drives_changed_();
      return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
      return WindowColours(reinterpret_cast<HDC>(w_param));
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
      FollowSystemColours(window, message);
      return ::DefDlgProcW(window, message, w_param, l_param);
    case WM_DPICHANGED: {
      scaling_.dpi = HIWORD(w_param);
      const RECT* suggested = reinterpret_cast<const RECT*>(l_param);
      ::SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      Layout();
      ::InvalidateRect(window, nullptr, TRUE);
      return 0;
    }
    case kDisposeMessage:
      ::DestroyWindow(window);
      return 0;
    case WM_NCDESTROY: {
      handle_ = nullptr;
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      auto& live = Live();
      live.erase(std::remove_if(live.begin(), live.end(),
                                [this](const auto& other) { return other.get() == this; }),
                 live.end());
      return ::DefDlgProcW(window, message, w_param, l_param);
    }
    default:
      return ::DefDlgProcW(window, message, w_param, l_param);
  }
}

std::vector<std::shared_ptr<NativeWindow>> LiveWindows() {
  return Live();
}

std::shared_ptr<NativeWindow> OpenWindow() {
  const auto& live = Live();
  for (auto window = live.rbegin(); window != live.rend(); ++window) {
    if (!(*window)->closed() && (*window)->handle() != nullptr &&
        ::IsWindowVisible((*window)->handle())) {
      return *window;
    }
  }
  return nullptr;
}

HWND OpenWindowHandle() {
  const std::shared_ptr<NativeWindow> window = OpenWindow();
  return window ? window->handle() : nullptr;
}

}  // namespace ui::win32
