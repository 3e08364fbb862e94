#pragma once

#include "ui/win32/windows_api.h"

#include "app/front_end.h"

namespace ui::win32 {

// The Win32 front end: native windows, MessageBoxW (OK, and Yes and No for a question), a chooser
// dialog, the folder dialog and the message loop.
class FrontEnd final : public app::FrontEnd {
 public:
  FrontEnd();
  ~FrontEnd() override;

  std::unique_ptr<app::Window> CreateWindow(const screens::WindowLayout& layout) override;
  void ShowMessage(std::string_view text) override;
  bool Ask(std::string_view question) override;
  bool ShowsFailuresBeforeWindow() const override { return true; }
  std::optional<std::size_t> ChooseVolume(const std::vector<device::Volume>& volumes) override;
  std::optional<std::filesystem::path> ChooseFolder() override;
  int RunEventLoop() override;
  void Quit(int status) override;

  // Whether a message box has been shown.
  bool ShowedMessage() const { return showed_message_; }

 private:
  bool showed_message_ = false;
};

// Hands one message to the windows, through the dialog manager first so that Tab, the arrow keys,
// Enter and Escape work in every window. The event loop and the tests' driver both use it.
void DispatchOne(MSG& message);

}  // namespace ui::win32
