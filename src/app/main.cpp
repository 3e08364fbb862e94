#include <QApplication>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "app/program.h"
#include "app/start_screen.h"
#include "device/clock.h"
#include "device/file_system.h"
#include "ui/message_box.h"

namespace {

// The folder that holds the program: its default device root.
std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) executable = std::filesystem::absolute(argv0, error);
  return executable.parent_path();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc > 2) {
    std::cerr << "usage: " << argv[0] << " [DEVICE_ROOT]" << std::endl;
    return app::kExitUsage;
  }
  const std::filesystem::path root =
      argc == 2 ? std::filesystem::path(argv[1]) : ProgramFolder(argv[0]);
  std::error_code error;
  if (!std::filesystem::is_directory(root, error)) {
    std::cerr << "The device root \"" << root.string() << "\" is not a folder." << std::endl;
    return app::kExitUsage;
  }

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("date_time.cfg Creator"));
  // The program decides when it ends: a screen that replaces another must not end it.
  QApplication::setQuitOnLastWindowClosed(false);

  device::FileSystem file_system(root);
  device::SystemClock clock;
  ui::ModalMessageBox message_box;
  app::Program program(file_system, clock, message_box,
                       [](int status) { QCoreApplication::exit(status); });
  program.Run([&program] { app::StartUp(program); });
  if (const auto status = program.exit_status()) return *status;
  return QApplication::exec();
}
