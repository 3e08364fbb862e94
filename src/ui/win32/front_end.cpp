#include "ui/win32/front_end.h"

#include <commctrl.h>

#include "screens/program_text.h"
#include "ui/win32/folder_dialog.h"
#include "ui/win32/native_window.h"
#include "ui/win32/screen_window.h"
#include "ui/win32/text.h"
#include "ui/win32/volume_chooser.h"

namespace ui::win32 {

FrontEnd::FrontEnd() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
}

FrontEnd::~FrontEnd() {
  for (const auto& window : LiveWindows()) {
    if (window->handle() != nullptr) ::DestroyWindow(window->handle());
  }
}

std::unique_ptr<app::Window> FrontEnd::CreateWindow(const screens::WindowLayout& layout) {
  return std::make_unique<ScreenWindow>(NativeWindow::Create(layout));
}

void FrontEnd::ShowMessage(std::string_view text) {
  showed_message_ = true;
  ::MessageBoxW(OpenWindowHandle(), WideFromUtf8(text).c_str(),
                WideFromUtf8(screens::kProgramName).c_str(), MB_OK);
}

bool FrontEnd::Ask(std::string_view question) {
  return ::MessageBoxW(OpenWindowHandle(), WideFromUtf8(question).c_str(),
                       WideFromUtf8(screens::kProgramName).c_str(),
                       MB_YESNO | MB_DEFBUTTON2) == IDYES;
}

std::optional<std::size_t> FrontEnd::ChooseVolume(const std::vector<device::Volume>& volumes) {
  return ChooseVolumeModal(OpenWindowHandle(), volumes);
}

std::optional<std::filesystem::path> FrontEnd::ChooseFolder() {
  return ChooseFolderModal(OpenWindowHandle());
}

int FrontEnd::RunEventLoop() {
  MSG message;
  BOOL got;
  while ((got = ::GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (got < 0) return -1;
    DispatchOne(message);
  }
  return static_cast<int>(message.wParam);
}

void FrontEnd::Quit(int status) {
  ::PostQuitMessage(status);
}

void DispatchOne(MSG& message) {
  const HWND root = message.hwnd != nullptr ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root != nullptr && ::IsDialogMessageW(root, &message)) return;
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

}  // namespace ui::win32
