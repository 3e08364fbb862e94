#include "cli/session.h"

#include "app/start_up.h"
#include "device/errors.h"
#include "screens/control_names.h"
#include "screens/form2.h"

namespace cli {
namespace {

device::StepHook HookFor(Session::Access access) {
  if (access == Session::Access::kReadWrite) return {};
  return [](std::string_view step, std::string_view device_path) {
    throw device::DeviceError("Refused to " + std::string(step) + " " + std::string(device_path) +
                              ": this command only reads the device.");
  };
}

}  // namespace

Session::Session(const std::filesystem::path& root, const device::Clock& clock, Access access,
                 const app::WriteObserver& observer)
    : file_system_(root, HookFor(access)),
      program_(file_system_, clock, front_end_),
      access_(access) {
  program_.ObserveWrites(observer);
}

void Session::Open() {
  program_.Run([this] {
    if (access_ == Access::kReadOnly) {
      app::ShowFirstScreen(program_);
    } else {
      app::StartUp(program_);
    }
  });
}

void Session::OpenSettings() {
  if (window() != nullptr && window()->layout().name == screens::Form2().name) {
    Click(screens::kSettingButton);
  }
}

void Session::Click(std::string_view button) {
  if (HeadlessWindow* open = window()) open->Click(button);
}

HeadlessWindow* Session::window() const {
  return front_end_.shown_window();
}

const screens::ScreenDescription* Session::screen() const {
  return program_.screen();
}

std::string Session::failure() const {
  return front_end_.messages().empty() ? std::string() : front_end_.messages().back();
}

}  // namespace cli
