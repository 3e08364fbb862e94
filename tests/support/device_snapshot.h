#pragma once

#include <string>
#include <vector>

#include "support/temp_device.h"

namespace testing_support {

// Every entry in a device's root with its bytes (files), attributes and read-only state: two
// snapshots are equal when the device is byte for byte the same.
inline std::vector<std::string> Snapshot(const TempDevice& device) {
  std::vector<std::string> entries;
  for (const std::string& name : device.Names()) {
    const bool file = std::filesystem::is_regular_file(device.Path(name));
    entries.push_back(name + " " + std::to_string(device.DosBits(name)) +
                      (device.IsReadOnly(name) ? " ro " : " rw ") +
                      (file ? device.Read(name) : std::string("<folder>")));
  }
  return entries;
}

}  // namespace testing_support
