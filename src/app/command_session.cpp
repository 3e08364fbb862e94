#include "app/command_session.h"

#include "app/start_up.h"
#include "device/errors.h"
#include "screens/control_names.h"
#include "screens/form2.h"
#include "screens/screen_table.h"

namespace app {
namespace {

device::StepHook HookFor(CommandSession::Access access) {
  if (access == CommandSession::Access::kReadWrite) return {};
  return [](std::string_view step, std::string_view device_path) {
    throw device::DeviceError("Refused to " + std::string(step) + " " + std::string(device_path) +
                              ": this command only reads the device.");
  };
}

}  // namespace

CommandSession::CommandSession(const std::filesystem::path& root, const device::Clock& clock,
                               Access access)
    : file_system_(root, HookFor(access)),
      program_(file_system_, clock, front_end_),
      access_(access) {}

void CommandSession::Open() {
  program_.Run([this] {
    if (access_ == Access::kReadOnly) {
      ShowFirstScreen(program_);
    } else {
      StartUp(program_);
    }
  });
}

void CommandSession::OpenSettings() {
  if (window() != nullptr && window()->layout().name == screens::Form2().name) {
    Click(screens::kSettingButton);
  }
}

void CommandSession::Click(std::string_view button) {
  if (HeadlessWindow* open = window()) open->Click(button);
}

HeadlessWindow* CommandSession::window() const {
  return static_cast<HeadlessWindow*>(program_.window());
}

const screens::ScreenDescription* CommandSession::screen() const {
  return window() != nullptr ? screens::SettingsScreenNamed(window()->layout().name) : nullptr;
}

std::string CommandSession::failure() const {
  return front_end_.messages().empty() ? std::string() : front_end_.messages().back();
}

}  // namespace app
