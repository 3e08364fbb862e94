#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/program.h"
#include "cli/headless_front_end.h"
#include "cli/outcome.h"
#include "device/clock.h"
#include "device/file_system.h"
#include "screens/screen.h"

namespace cli {

// The program's own flow on one device root, with the command line in the user's place: the
// same start-up, screens, loads and Start as in the window, on headless windows.
class Session {
 public:
  enum class Access {
    kReadOnly,   // every step that would change the device fails instead
    kReadWrite,  // the device is changed as the window's flow changes it
  };

  // `observer`, if any, is told of the write of a Start.
  Session(const std::filesystem::path& root, const device::Clock& clock, Access access,
          const app::WriteObserver& observer = {});

  // Start-up; read-only without making "\VOICE" normal, which is the one thing it writes.
  void Open();
  // On the basic screen (models 0 and 1), Setting: the Option Setting screen, which holds the
  // settings. Other screens stay.
  void OpenSettings();
  // A click on a button of the open window.
  void Click(std::string_view button);

  // The open window, or none once the program has ended.
  HeadlessWindow* window() const;
  // The settings screen that the open window shows, or none.
  const screens::ScreenDescription* screen() const;
  std::optional<int> exit_status() const { return program_.exit_status(); }
  // How the program ended: its status (a run-time failure while it has not ended) and the
  // message of the failure that ended it, as shown and in English ("" for none).
  Outcome ending() const;
  device::FileSystem& file_system() { return file_system_; }

 private:
  device::FileSystem file_system_;
  HeadlessFrontEnd front_end_;
  app::Program program_;
  Access access_;
};

}  // namespace cli
