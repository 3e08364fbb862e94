#include "app/run_window.h"

#include <iostream>

#include "app/device_root.h"
#include "app/program.h"
#include "app/start_up.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "device/clock.h"
#include "device/file_system.h"

namespace app {
namespace {

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

int RunWindow(FrontEnd& front_end, const std::optional<std::filesystem::path>& given_root,
              const std::filesystem::path& program_folder,
              const device::VolumeSource& recorder_volumes) {
  std::optional<std::filesystem::path> root = given_root;
  if (!root) {
    root = FindRoot(front_end, program_folder, recorder_volumes);
    // The user declined to choose a recorder: nothing is written.
    if (!root) return kExitDone;
  }
  if (!IsFolder(*root)) {
    std::cerr << Printable(NotAFolderMessage(Utf8(*root))) << std::endl;
    return kExitUsage;
  }

  device::SystemClock clock;
  device::FileSystem file_system(*root);
  Program program(file_system, clock, front_end);
  program.Run([&program] { StartUp(program); });
  if (const auto status = program.exit_status()) return *status;
  return front_end.RunEventLoop();
}

}  // namespace app
