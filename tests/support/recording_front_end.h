#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/front_end.h"
#include "support/window_driver.h"

namespace testing_support {

// The driver's real front end for windows, with messages, questions, the volume and folder
// choosers, the event loop and quitting recorded or scripted, so that no test waits in a nested
// event loop or ends.
class RecordingFrontEnd : public app::FrontEnd {
 public:
  // What the event loop returns when the program has not quit.
  static constexpr int kStillRunning = -1;

  explicit RecordingFrontEnd(WindowDriver& driver) : driver_(driver) {}

  std::unique_ptr<app::Window> CreateWindow(const screens::WindowLayout& layout) override {
    return driver_.front_end().CreateWindow(layout);
  }
  void ShowMessage(std::string_view text) override {
    messages.emplace_back(text);
    windows_behind.push_back(driver_.WindowsOnScreen());
  }
  bool Ask(std::string_view question) override {
    questions.emplace_back(question);
    return answer;
  }
  std::optional<std::size_t> ChooseVolume(const std::vector<device::Volume>& volumes) override {
    offered.push_back(volumes);
    return volume_answer;
  }
  std::optional<std::filesystem::path> ChooseFolder() override {
    ++folder_asks;
    return folder_answer;
  }
  // Runs `while_running` in place of the events, then returns the last status quit with.
  int RunEventLoop() override {
    ++event_loops;
    if (while_running) while_running();
    return quits.empty() ? kStillRunning : quits.back();
  }
  void Quit(int status) override { quits.push_back(status); }

  std::vector<std::string> messages;
  std::vector<int> windows_behind;  // windows on screen when each message showed
  std::vector<std::string> questions;
  bool answer = false;  // to every question: Yes (true) or No
  std::vector<int> quits;
  std::optional<std::size_t> volume_answer;
  std::vector<std::vector<device::Volume>> offered;
  std::optional<std::filesystem::path> folder_answer;
  int folder_asks = 0;
  std::function<void()> while_running;
  int event_loops = 0;

 private:
  WindowDriver& driver_;
};

}  // namespace testing_support
