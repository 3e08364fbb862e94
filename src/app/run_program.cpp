#include "app/run_program.h"

#include <iostream>
#include <optional>
#include <system_error>

#include "app/command_line.h"
#include "app/program.h"
#include "app/run_command_line.h"
#include "app/start_up.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "device/clock.h"
#include "device/file_system.h"

namespace app {
namespace {

bool IsFolder(const std::filesystem::path& root) {
  std::error_code error;
  if (std::filesystem::is_directory(root, error)) return true;
  std::cerr << "The device root \"" << Printable(Utf8(root)) << "\" is not a folder." << std::endl;
  return false;
}

// The root of a program started without one; none when the user declines to choose.
std::optional<std::filesystem::path> FindRoot(FrontEnd& front_end,
                                              const std::filesystem::path& program_folder,
                                              const device::VolumeSource& recorder_volumes) {
  const device::RootChoice choice =
      device::ChooseDeviceRoot(program_folder, recorder_volumes, device::LooksLikeRecorderRoot);
  if (choice.kind != device::RootChoice::Kind::kChoose) return choice.root;
  const auto chosen = front_end.ChooseVolume(choice.candidates);
  if (!chosen || *chosen >= choice.candidates.size()) return std::nullopt;
  return choice.candidates[*chosen].mount_point;
}

}  // namespace

int RunProgram(FrontEnd& front_end, const std::vector<std::string>& arguments,
               const std::filesystem::path& program_folder,
               const device::VolumeSource& recorder_volumes) {
  device::SystemClock clock;
  // Options never touch the front end, so that they need no display.
  if (HasOptions(arguments)) {
    return RunCommandLine(arguments, {program_folder, recorder_volumes, clock});
  }
  if (arguments.size() > 1) {
    std::cerr << "usage: datetime-cfg-creator [DEVICE_ROOT]  (--help for the options)" << std::endl;
    return kExitUsage;
  }
  std::optional<std::filesystem::path> root;
  if (arguments.empty()) {
    root = FindRoot(front_end, program_folder, recorder_volumes);
    // The user declined to choose a recorder: nothing is written.
    if (!root) return kExitDone;
  } else {
    root = RootFromArgument(arguments.front());
  }
  if (!IsFolder(*root)) return kExitUsage;

  device::FileSystem file_system(*root);
  Program program(file_system, clock, front_end);
  program.Run([&program] { StartUp(program); });
  if (const auto status = program.exit_status()) return *status;
  return front_end.RunEventLoop();
}

}  // namespace app
