#include "cli/session.h"

#include <array>
#include <utility>

#include "app/start_up.h"
#include "device/errors.h"
#include "language/message.h"
#include "screens/control_names.h"
#include "screens/form2.h"

namespace cli {
namespace {

using language::ToTranslate;

// One whole sentence a step that changes the device, so that each reads naturally in every
// language.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kRefusedSteps = {{
    {"create", ToTranslate("Refused to create {1}: this command only reads the device.")},
    {"write", ToTranslate("Refused to write {1}: this command only reads the device.")},
    {"flush", ToTranslate("Refused to flush {1}: this command only reads the device.")},
    {"close", ToTranslate("Refused to close {1}: this command only reads the device.")},
    {"rename", ToTranslate("Refused to rename {1}: this command only reads the device.")},
    {"delete", ToTranslate("Refused to delete {1}: this command only reads the device.")},
    {"set attributes",
     ToTranslate("Refused to set attributes {1}: this command only reads the device.")},
    {"flush folder",
     ToTranslate("Refused to flush folder {1}: this command only reads the device.")},
}};

language::Message RefusedStep(std::string_view step, std::string_view device_path) {
  for (const auto& [known, pattern] : kRefusedSteps) {
    if (known == step) return language::Message(pattern, {device_path});
  }
  // Not in the catalogues: the same in every language.
  return language::Message("Refused to {1} {2}: this command only reads the device.",
                           {step, device_path});
}

device::StepHook HookFor(Session::Access access) {
  if (access == Session::Access::kReadWrite) return {};
  return [](std::string_view step, std::string_view device_path) {
    throw device::DeviceError(RefusedStep(step, device_path));
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

Outcome Session::ending() const {
  Outcome outcome{program_.exit_status().value_or(app::kExitRuntimeFailure), {}};
  if (!front_end_.messages().empty()) outcome.message = front_end_.messages().back();
  outcome.english = program_.failure_in_english();
  return outcome;
}

}  // namespace cli
