#pragma once

// Laying out a recorder's root for the device tests, on top of the shared TempDevice. Tables name
// files by their device paths ("\ravlen_setting.ini"), as the program does.

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "support/dos_attributes.h"
#include "support/temp_device.h"

namespace device::testing {

using testing_support::FixedClock;
using testing_support::kSomeTime;
using testing_support::TempDevice;

using testing_support::kHiddenBit;
using testing_support::kSystemBit;

// "\name" → "name", as TempDevice takes it.
inline std::string_view NameOf(std::string_view device_path) {
  if (!device_path.empty() && device_path.front() == '\\') device_path.remove_prefix(1);
  return device_path;
}

struct FileSpec {
  std::string_view path;
  std::string bytes;
  unsigned dos_bits = 0;
  bool read_only = false;
};

inline void Lay(const TempDevice& device, const std::vector<FileSpec>& files) {
  for (const FileSpec& file : files) {
    device.Write(NameOf(file.path), file.bytes);
    if (file.dos_bits != 0) device.SetDosBits(NameOf(file.path), file.dos_bits);
    if (file.read_only) device.SetReadOnly(NameOf(file.path), true);
  }
}

inline bool IsRegularFile(const TempDevice& device, std::string_view device_path) {
  return std::filesystem::is_regular_file(
      std::filesystem::symlink_status(device.Path(NameOf(device_path))));
}

// Every entry in the root with its bytes and attributes, for before-and-after comparisons.
struct EntryState {
  std::string name;
  std::string bytes;
  unsigned dos_bits;
  bool read_only;
  bool operator==(const EntryState&) const = default;
  friend void PrintTo(const EntryState& entry, std::ostream* out) {
    *out << entry.name << " (0x" << std::hex << entry.dos_bits << std::dec
         << (entry.read_only ? ", read-only" : "") << ") \"" << entry.bytes << '"';
  }
};

inline std::vector<EntryState> Snapshot(const TempDevice& device) {
  std::vector<EntryState> entries;
  for (const std::string& name : device.Names()) {
    entries.push_back({name, IsRegularFile(device, name) ? device.Read(name) : "",
                       device.DosBits(name), device.IsReadOnly(name)});
  }
  return entries;
}

}  // namespace device::testing
