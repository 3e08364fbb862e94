#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "app/front_end.h"

namespace ui::qt {

class ScreenWindow;

// The program's windows, message box, volume and folder choosers and event loop in Qt Widgets.
class FrontEnd : public app::FrontEnd {
 public:
  // Works in the QApplication that exists already; it must not quit when its last window closes.
  FrontEnd() = default;
  // Makes the QApplication from the command line when it is first needed, so that a command line
  // that ends the program at once does so also where no display can be opened.
  FrontEnd(int& argc, char** argv) : argc_(&argc), argv_(argv) {}

  std::unique_ptr<app::Window> CreateWindow(const screens::WindowLayout& layout) override;
  void ShowMessage(std::string_view text) override;
  bool Ask(std::string_view question) override;
  std::optional<std::size_t> ChooseVolume(const std::vector<device::Volume>& volumes) override;
  // Qt's own folder dialog (folder_dialog.h): the folder typed or picked in it.
  std::optional<std::filesystem::path> ChooseFolder() override;
  int RunEventLoop() override;
  void Quit(int status) override;

  // The window of this front end that is on screen, if any.
  ScreenWindow* OpenWindow() const;
  // How many windows of this front end are on screen.
  int WindowsOnScreen() const;

 private:
  void MakeApplication();

  int* argc_ = nullptr;
  char** argv_ = nullptr;
  std::unique_ptr<QApplication> application_;
  std::vector<QPointer<ScreenWindow>> windows_;
  QString folder_shown_;  // where the folder dialog opens
  std::optional<int> quit_status_;
};

}  // namespace ui::qt
