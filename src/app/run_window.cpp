#include "app/run_window.h"

#include <iostream>
#include <memory>

#include "app/device_root.h"
#include "app/program.h"
#include "app/start_up.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "app/waiting_window.h"
#include "device/clock.h"
#include "device/file_system.h"

namespace app {
namespace {

// The program on one device root, with what it works on.
struct ProgramOnRoot {
  ProgramOnRoot(const std::filesystem::path& root, FrontEnd& front_end,
                const WriteObserver& observer)
      : file_system(root), program(file_system, clock, front_end) {
    program.ObserveWrites(observer);
  }

  device::SystemClock clock;
  device::FileSystem file_system;
  Program program;
};

// Where a program started without a root finds it.
struct FoundRoot {
  std::optional<std::filesystem::path> root;  // none: the user declined to choose
  bool wait = false;                          // no recorder: wait for one
};

FoundRoot FindRoot(FrontEnd& front_end, const std::filesystem::path& program_folder,
                   const device::VolumeSource& recorder_volumes) {
  const device::RootChoice choice =
      device::ChooseDeviceRoot(program_folder, recorder_volumes, device::LooksLikeRecorderRoot);
  if (device::NoRecorderToUse(choice, program_folder)) return {std::nullopt, true};
  if (choice.kind != device::RootChoice::Kind::kChoose) return {choice.root};
  const auto chosen = front_end.ChooseVolume(choice.candidates);
  if (!chosen || *chosen >= choice.candidates.size()) return {};
  return {choice.candidates[*chosen].mount_point};
}

// The status to end with where `root` cannot be the device root, after saying why; none for a
// folder.
std::optional<int> CheckIsFolder(FrontEnd& front_end, const std::filesystem::path& root) {
  const std::optional<RootFailure> problem = RootProblem(root, Utf8(root));
  if (!problem) return std::nullopt;
  const std::string message = problem->message.Shown();
  std::cerr << Printable(message) << std::endl;
  if (front_end.ShowsFailuresBeforeWindow()) front_end.ShowMessage(message);
  return problem->status;
}

// Shows the waiting window and runs the event loop; the program starts on the root it goes on to.
int WaitThenRun(FrontEnd& front_end, const device::VolumeSource& recorder_volumes,
                const WriteObserver& observer) {
  std::unique_ptr<ProgramOnRoot> running;
  WaitingWindow waiting(front_end, recorder_volumes, [&](const std::filesystem::path& root) {
    if (const auto status = CheckIsFolder(front_end, root)) return front_end.Quit(*status);
    running = std::make_unique<ProgramOnRoot>(root, front_end, observer);
    Program& program = running->program;
    // A failure at start-up ends the event loop through Program::End.
    program.Run([&program] { StartUp(program); });
  });
  waiting.Show();
  return front_end.RunEventLoop();
}

}  // namespace

int RunWindow(FrontEnd& front_end, const std::optional<std::filesystem::path>& given_root,
              const std::filesystem::path& program_folder,
              const device::VolumeSource& recorder_volumes, const WriteObserver& observer) {
  std::optional<std::filesystem::path> root = given_root;
  if (!root) {
    const FoundRoot found = FindRoot(front_end, program_folder, recorder_volumes);
    if (found.wait) return WaitThenRun(front_end, recorder_volumes, observer);
    // The user declined to choose a recorder: nothing is written.
    if (!found.root) return kExitDone;
    root = found.root;
  }
  if (const auto status = CheckIsFolder(front_end, *root)) return *status;

  ProgramOnRoot running(*root, front_end, observer);
  Program& program = running.program;
  program.Run([&program] { StartUp(program); });
  if (const auto status = program.exit_status()) return *status;
  return front_end.RunEventLoop();
}

}  // namespace app
