// A start-up and an untouched Start on a device root as the program does them, without a window:
// "\VOICE" made normal, then the settings screen for the model writes its loaded settings, and
// any other screen the date-only clock line. Used on a real FAT volume, where no window system is
// at hand.
//
//   fat_start ROOT [--cut-at N]
//
// With --cut-at N it announces "cut-point N STEP PATH" on standard output before the device step
// N (counted from 1) and then waits for the machine to be cut off. Exit status as the program's:
// 0 done, 1 file error, 2 run-time failure.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "device/clock.h"
#include "device/clock_file.h"
#include "device/errors.h"
#include "device/file_system.h"
#include "device/settings_line.h"
#include "device/start_guard.h"
#include "device/write_back.h"
#include "screens/screen.h"
#include "screens/screen_table.h"

namespace {

void Start(device::FileSystem& file_system, const device::Clock& clock) {
  // The program takes its lock before it reads the line that its block is built from.
  const device::StartGuard guard(file_system);
  // What every start does first.
  if (file_system.EntryExists("\\VOICE")) {
    file_system.SetAttributes("\\VOICE", device::Attributes::kNormal);
  }
  if (!device::FindSettingsFile(file_system)) {
    device::WriteClockFile(file_system, clock);
    return;
  }
  const device::SettingsLine line = device::LookUpSettingsLine(file_system);
  const screens::ShownScreen shown = screens::ScreenFor(line);
  if (shown.kind != screens::ShownScreen::Kind::kSettingsScreen) {
    device::WriteClockFile(file_system, clock);
    return;
  }
  const std::string block = screens::Block(*shown.settings, screens::Load(*shown.settings, line));
  device::CommitSettings(file_system, clock, block);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--cut-at")) {
    std::cerr << "usage: fat_start ROOT [--cut-at N]\n";
    return 64;
  }
  const long cut_at = argc == 4 ? std::strtol(argv[3], nullptr, 10) : 0;
  long step_count = 0;
  device::FileSystem file_system(argv[1], [&](std::string_view step, std::string_view path) {
    if (++step_count != cut_at) return;
    std::printf("cut-point %ld %.*s %.*s\n", step_count, static_cast<int>(step.size()), step.data(),
                static_cast<int>(path.size()), path.data());
    std::fflush(stdout);
    for (;;) ::pause();
  });
  device::SystemClock clock;
  try {
    Start(file_system, clock);
  } catch (const device::FileError& error) {
    std::cerr << error.what() << '\n';
    return 1;
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 2;
  }
  std::printf("steps %ld\n", step_count);
  return 0;
}
