#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/front_end.h"

namespace cli {

// A window that is only its state: the command line reads it where a user would look, changes
// its selections where a user would click, and presses its buttons. It never ticks.
class HeadlessWindow : public app::Window {
 public:
  // `shown` is where the front end keeps the window that is shown: this one from Show until it
  // closes.
  HeadlessWindow(const screens::WindowLayout& layout, HeadlessWindow*& shown)
      : layout_(layout), shown_(shown) {}
  ~HeadlessWindow() override { Close(); }

  void Apply(const screens::ScreenState& state) override { state_ = state; }
  screens::ScreenState CurrentState() const override { return state_; }
  void SetText(std::string_view, std::string_view) override {}
  void OnClick(std::string_view control, std::function<void()> handler) override;
  void OnClosedByUser(std::function<void()>) override {}
  void StartTimer(int, std::function<void()>) override { timer_running_ = true; }
  bool TimerRunning() const override { return timer_running_; }
  void OnDrivesChanged(std::function<void()>) override {}
  void Show() override { shown_ = this; }
  void Close() override {
    if (shown_ == this) shown_ = nullptr;
  }

  const screens::WindowLayout& layout() const { return layout_; }
  // The selections, changed in place as clicks and choices would change them.
  screens::ScreenState& state() { return state_; }
  // Runs what a click on `button` runs; nothing for a button without a handler.
  void Click(std::string_view button);

 private:
  const screens::WindowLayout& layout_;
  HeadlessWindow*& shown_;
  screens::ScreenState state_;
  std::map<std::string, std::function<void()>, std::less<>> handlers_;
  bool timer_running_ = false;
};

// A front end without a toolkit, for the command line: windows are HeadlessWindows, a message is
// kept (the program prints it on stderr itself), and no one is asked anything: a question is
// answered No, and no recorder or folder is chosen.
class HeadlessFrontEnd : public app::FrontEnd {
 public:
  std::unique_ptr<app::Window> CreateWindow(const screens::WindowLayout& layout) override {
    return std::make_unique<HeadlessWindow>(layout, shown_);
  }
  void ShowMessage(std::string_view text) override { messages_.emplace_back(text); }
  bool Ask(std::string_view) override { return false; }
  std::optional<std::size_t> ChooseVolume(const std::vector<device::Volume>&) override {
    return std::nullopt;
  }
  std::optional<std::filesystem::path> ChooseFolder() override { return std::nullopt; }
  int RunEventLoop() override { return quit_status_.value_or(kNotQuit); }
  void Quit(int status) override { quit_status_ = status; }

  const std::vector<std::string>& messages() const { return messages_; }
  // The window shown and not yet closed, or none.
  HeadlessWindow* shown_window() const { return shown_; }

  static constexpr int kNotQuit = -1;

 private:
  std::vector<std::string> messages_;
  std::optional<int> quit_status_;
  HeadlessWindow* shown_ = nullptr;
};

}  // namespace cli
