#include <QApplication>
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>

#include "app/device_root.h"
#include "app/program.h"
#include "app/start_screen.h"
#include "device/clock.h"
#include "device/file_system.h"
#include "ui/message_box.h"
#include "ui/volume_chooser.h"

namespace {

// The folder that holds the program: its default device root.
std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) executable = std::filesystem::absolute(argv0, error);
  return executable.parent_path();
}

bool IsFolder(const std::filesystem::path& root) {
  std::error_code error;
  if (std::filesystem::is_directory(root, error)) return true;
  std::cerr << "The device root \"" << root.string() << "\" is not a folder." << std::endl;
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc > 2) {
    std::cerr << "usage: " << argv[0] << " [DEVICE_ROOT]" << std::endl;
    return app::kExitUsage;
  }
  // Taken before QApplication removes the toolkit's own arguments.
  std::optional<std::filesystem::path> root;
  if (argc == 2) root = argv[1];
  if (root && !IsFolder(*root)) return app::kExitUsage;

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("date_time.cfg Creator"));
  // The program decides when it ends: a screen that replaces another must not end it.
  QApplication::setQuitOnLastWindowClosed(false);

  if (!root) {
    ui::ModalVolumeChooser chooser;
    root = app::FindDeviceRoot(ProgramFolder(argv[0]), chooser);
    // The user declined to choose a recorder: nothing is written.
    if (!root) return app::kExitDone;
    if (!IsFolder(*root)) return app::kExitUsage;
  }

  device::FileSystem file_system(*root);
  device::SystemClock clock;
  ui::ModalMessageBox message_box;
  app::Program program(file_system, clock, message_box,
                       [](int status) { QCoreApplication::exit(status); });
  program.Run([&program] { app::StartUp(program); });
  if (const auto status = program.exit_status()) return *status;
  return QApplication::exec();
}
