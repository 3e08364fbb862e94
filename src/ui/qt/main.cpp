#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli/run_program.h"
#include "device/mounted_volumes.h"
#include "ui/qt/front_end.h"
#include "ui/qt/watch_system.h"

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
  // Taken before the QApplication removes the toolkit's own arguments.
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  ui::qt::FrontEnd front_end(argc, argv);
  return cli::RunProgram(front_end, arguments, ProgramFolder(argv[0]), device::MountedFatVolumes(),
                         ui::qt::MakeWatchSystem);
}
