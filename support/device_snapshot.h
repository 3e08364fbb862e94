#pragma once

// Every entry in a device's root with what it holds and its attributes, for before-and-after
// comparisons: two snapshots are equal when the device is byte for byte the same.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "support/device_folder.h"

namespace support {

struct EntryState {
  std::string name;
  // A file's bytes; "<folder>" for a folder, "<link to TARGET>" for a symbolic link.
  std::string bytes;
  unsigned dos_bits;
  bool read_only;
  bool operator==(const EntryState&) const = default;
  friend void PrintTo(const EntryState& entry, std::ostream* out) {
    *out << entry.name << " (0x" << std::hex << entry.dos_bits << std::dec
         << (entry.read_only ? ", read-only" : "") << ") \"" << entry.bytes << '"';
  }
};

inline std::string ContentOf(const DeviceFolder& device, const std::string& name) {
  const std::filesystem::file_status status = std::filesystem::symlink_status(device.Path(name));
  if (std::filesystem::is_symlink(status)) {
    return "<link to " + std::filesystem::read_symlink(device.Path(name)).string() + ">";
  }
  if (std::filesystem::is_directory(status)) return "<folder>";
  return device.Read(name);
}

inline std::vector<EntryState> Snapshot(const DeviceFolder& device) {
  std::vector<EntryState> entries;
  for (const std::string& name : device.Names()) {
    entries.push_back(
        {name, ContentOf(device, name), device.DosBits(name), device.IsReadOnly(name)});
  }
  return entries;
}

}  // namespace support
