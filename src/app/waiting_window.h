#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "app/front_end.h"
#include "device/root_search.h"

namespace app {

// The "Plug in the recorder" window, for a program started without a root that finds no recorder
// and whose own folder is on no drive a recorder could be. Each time the system reports a drive
// coming or going, and once a second for drives it does not report, it asks `drives` and lists
// them. When some of them look like a recorder's root, it closes and goes on to the root:
// the one recorder, or the one of several that the user picks with the front end's chooser.
// "Choose folder…" goes on to the folder the user picks with the system's dialog; one that does
// not look like a recorder's root only once the user has answered Yes to using it anyway, while
// No leaves the window waiting, with nothing written. Cancel, closing it and cancelling the
// chooser end the event loop with status 0; nothing is written.
class WaitingWindow {
 public:
  using GoOn = std::function<void(const std::filesystem::path& root)>;

  WaitingWindow(FrontEnd& front_end, device::VolumeSource drives, GoOn go_on);
  WaitingWindow(const WaitingWindow&) = delete;
  WaitingWindow& operator=(const WaitingWindow&) = delete;

  void Show();

 private:
  void Look();
  void List(const std::vector<device::Volume>& drives);
  void ChooseFolder();
  // Whether the user wants a folder that does not look like a recorder's root used all the same.
  bool AskToUse();
  void Finish();

  FrontEnd& front_end_;
  device::VolumeSource drives_;
  GoOn go_on_;
  std::unique_ptr<Window> window_;
  bool asking_ = false;  // a dialog is open: the timer's looks wait
  bool done_ = false;
};

}  // namespace app
