#include "app/waiting_window.h"

#include <iostream>
#include <string>
#include <utility>

#include "app/program.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "language/language.h"
#include "screens/program_text.h"
#include "screens/waiting_window.h"

namespace app {

WaitingWindow::WaitingWindow(FrontEnd& front_end, device::VolumeSource drives, GoOn go_on)
    : front_end_(front_end), drives_(std::move(drives)), go_on_(std::move(go_on)) {}

void WaitingWindow::Show() {
  window_ = front_end_.CreateWindow(screens::WaitingWindow());
  window_->OnClick(screens::kChooseFolderButton, [this] { ChooseFolder(); });
  window_->OnClick(screens::kWaitCancelButton, [this] {
    Finish();
    front_end_.Quit(kExitDone);
  });
  window_->OnClosedByUser([this] {
    done_ = true;
    front_end_.Quit(kExitDone);
  });
  // The system tells when drives come and go; the timer covers drives it does not tell about.
  window_->OnDrivesChanged([this] { Look(); });
  window_->StartTimer(device::kDriveLookIntervalMs, [this] { Look(); });
  window_->Show();
}

void WaitingWindow::Look() {
  if (done_ || asking_) return;
  const std::vector<device::Volume> drives = drives_();
  const std::vector<device::Volume> recorders = device::RecorderVolumes(drives);
  if (recorders.empty()) return List(drives);
  // The window goes first, so that the chooser is the only one on screen.
  Finish();
  if (recorders.size() == 1) return go_on_(recorders.front().mount_point);
  const auto chosen = front_end_.ChooseVolume(recorders);
  if (!chosen || *chosen >= recorders.size()) return front_end_.Quit(kExitDone);
  go_on_(recorders[*chosen].mount_point);
}

void WaitingWindow::List(const std::vector<device::Volume>& drives) {
  std::string lines;
  for (const device::Volume& drive : drives) {
    if (!lines.empty()) lines += '\n';
    lines += Utf8(drive.mount_point);
    if (!drive.label.empty()) lines += " (" + drive.label + ")";
  }
  window_->SetText(screens::kWaitDrivesLabel,
                   lines.empty() ? std::string(screens::kWaitNoDrive) : lines);
}

void WaitingWindow::ChooseFolder() {
  asking_ = true;
  const auto folder = front_end_.ChooseFolder();
  const bool take = folder && !done_ && (device::LooksLikeRecorderRoot(*folder) || AskToUse());
  asking_ = false;
  if (!take || done_) return;
  Finish();
  go_on_(*folder);
}

bool WaitingWindow::AskToUse() {
  // As every message box's text, the question goes to stderr too.
  const std::string_view question = language::Translate(screens::kNotARecorderQuestion);
  std::cerr << question << std::endl;
  return front_end_.Ask(question);
}

void WaitingWindow::Finish() {
  done_ = true;
  window_->Close();
}

}  // namespace app
