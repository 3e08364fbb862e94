#include "device/start_guard.h"

#include <string>
#include <string_view>
#include <vector>

#include "device/errors.h"
#include "device/recorder_files.h"
#include "device/temporary_name.h"

namespace device {
namespace {

bool IsLeftover(std::string_view device_path) {
  for (const std::string_view target : kWrittenFiles) {
    if (IsTemporaryNameFor(device_path, target)) return true;
  }
  return false;
}

// Each leftover holds a name that WriteLine would otherwise pass over, on every Start to come.
// The lock is held: no other Start is writing a temporary file of its own meanwhile.
void RemoveLeftovers(FileSystem& file_system) {
  std::vector<std::string> names;
  try {
    names = file_system.RootFileNames();
  } catch (const DeviceError&) {
    // A root that cannot be listed fails the Start at its own steps, with their message.
    return;
  }
  for (const std::string& name : names) {
    const std::string device_path = "\\" + name;
    if (!IsLeftover(device_path)) continue;
    try {
      file_system.RemoveFile(device_path);
    } catch (const DeviceError&) {
      // Left for a later Start; this one writes under the next free name.
    }
  }
}

}  // namespace

StartGuard::StartGuard(FileSystem& file_system, std::chrono::milliseconds wait)
    : lock_(file_system.root(), wait) {
  RemoveLeftovers(file_system);
}

}  // namespace device
