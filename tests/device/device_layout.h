#pragma once

// Laying out a recorder's root for the device tests, on top of the shared TempDevice, and the
// recorder that several of them start. Tables name files by their device paths
// ("\ravlen_setting.ini"), as the program does.

#include <string>
#include <string_view>
#include <vector>

#include "device/write_back.h"
#include "support/device_snapshot.h"
#include "support/dos_attributes.h"
#include "support/fixed_clock.h"
#include "support/settings_line_builder.h"
#include "support/temp_device.h"

namespace device::testing {

using support::EntryState;
using support::FixedClock;
using support::kHiddenBit;
using support::kSomeTime;
using support::kSystemBit;
using support::Snapshot;
using support::TempDevice;

inline constexpr std::string_view kClockName = "date_time.cfg";

// The clock file's line from a Start at kSomeTime that writes `block`.
inline std::string ClockLineWith(std::string_view block) {
  return std::string(support::kSomeTimeText) + "E" + std::string(block) + "\r\n";
}

// A model 4 recorder with capability flags "111" and every setting "0", and the settings block that
// a Start writes over them.
namespace model4 {
inline constexpr std::string_view kBlock = "31020000000000";
inline const std::string kOldLine = support::BuildSettingsLine(
    {.model = '4', .flags = "11100000000000", .version = "V2.00 model 4  "});
inline const std::string kNewLine = RebuildSettingsLine(kOldLine, kBlock);
inline const std::string kClockLine = ClockLineWith(kBlock);
}  // namespace model4

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

}  // namespace device::testing
