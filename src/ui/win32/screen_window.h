#pragma once

#include <memory>

#include "app/front_end.h"
#include "ui/win32/native_window.h"

namespace ui::win32 {

// The flow's handle on a native window. Dropping it closes the window; the native window itself
// goes once no handler of it runs any more.
class ScreenWindow final : public app::Window {
 public:
  explicit ScreenWindow(std::shared_ptr<NativeWindow> native) : native_(std::move(native)) {}
  ~ScreenWindow() override { native_->Close(); }

  void Apply(const screens::ScreenState& state) override { native_->Apply(state); }
  screens::ScreenState CurrentState() const override { return native_->CurrentState(); }
  void SetText(std::string_view control, std::string_view utf8) override {
    native_->SetText(control, utf8);
  }
  void OnClick(std::string_view control, std::function<void()> handler) override {
    native_->OnClick(control, std::move(handler));
  }
  void OnClosedByUser(std::function<void()> handler) override {
    native_->OnClosedByUser(std::move(handler));
  }
  void OnDrivesChanged(std::function<void()> handler) override {
    native_->OnDrivesChanged(std::move(handler));
  }
  void StartTimer(int interval_ms, std::function<void()> tick) override {
    native_->StartTimer(interval_ms, std::move(tick));
  }
  bool TimerRunning() const override { return native_->TimerRunning(); }
  void Show() override { native_->Show(); }
  void Close() override { native_->Close(); }

  NativeWindow& native() const { return *native_; }

 private:
  std::shared_ptr<NativeWindow> native_;
};

}  // namespace ui::win32
