// A Start cut short after any one of its operations (the program killed, the cable pulled) must
// leave the recorder's settings line whole on the device: in the .ini or the .bak, old or new,
// never truncated, empty or gone; and the clock file absent, old or complete.

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "device/clock_file.h"
#include "device/errors.h"
#include "device/settings_line.h"
#include "device/write_back.h"
#include "device_layout.h"

namespace device {
namespace {

using namespace testing;

constexpr std::string_view kBlock = "42103151024100";
const std::string kOldLine = support::BuildSettingsLine(
    {.model = '6', .after_flags = '1', .block = "01234012301200", .version = "FW 6.00 OLD    "});
const std::string kNewLine = RebuildSettingsLine(kOldLine, kBlock);
const std::string kOldClock = "1999 01 01 00 00 00E00000000000000\r\n";
const std::string kNewClock = ClockLineWith(kBlock);

// Thrown from the step hook to stop the commit where it stands.
struct Crash {};

// A copy of the device's files as they are at this moment (attributes do not matter to the
// lookup: hidden files count).
void CopyFiles(const TempDevice& from, const TempDevice& to) {
  for (const std::string& name : from.Names()) to.Write(name, from.Read(name));
}

struct Layout {
  std::string name;
  std::vector<FileSpec> files;
};

std::vector<Layout> Layouts() {
  std::vector<Layout> layouts;
  const std::string line = kOldLine + "\r\n";
  // kSettingsFileSet holds each pair as its .ini followed by its .bak.
  for (std::size_t pair = 0; pair < kSettingsFileSet.size(); pair += 2) {
    const std::string_view ini = kSettingsFileSet[pair];
    const std::string_view bak = kSettingsFileSet[pair + 1];
    for (const bool old_clock : {false, true}) {
      std::vector<FileSpec> clock;
      if (old_clock) clock.push_back({kClockFilePath, kOldClock});
      const std::string suffix = old_clock ? ", old clock file" : "";
      layouts.push_back({std::string(ini) + " alone" + suffix, clock});
      layouts.back().files.push_back({ini, line});
      layouts.push_back(
          {std::string(ini) + " beside an older hidden read-only .bak" + suffix, clock});
      layouts.back().files.push_back({ini, line});
      layouts.back().files.push_back({bak, "6 an older line\r\n", kHiddenBit, true});
      layouts.push_back({std::string(bak) + " alone, hidden" + suffix, clock});
      layouts.back().files.push_back({bak, line + "a second line\r\n", kHiddenBit});
    }
  }
  return layouts;
}

// The device at a stop must still give the recorder a whole settings line and a sound clock
// file, and a new Start from there must finish the job.
void CheckStoppedDevice(const TempDevice& stopped) {
  FileSystem file_system(stopped.root());
  try {
    const std::string line = LookUpSettingsLine(file_system).bytes();
    EXPECT_TRUE(line == kOldLine || line == kNewLine) << "settings line \"" << line << '"';
  } catch (const DeviceError& error) {
    ADD_FAILURE() << "the settings line is lost: " << error.what();
    return;
  }
  for (const std::string_view candidate : kSettingsFileSet) {
    if (!stopped.Exists(NameOf(candidate))) continue;
    const std::string bytes = stopped.Read(NameOf(candidate));
    EXPECT_FALSE(bytes.empty()) << candidate << " is empty";
    EXPECT_NE(bytes.find('\r'), std::string::npos) << candidate << " is cut short: " << bytes;
  }
  if (stopped.Exists("date_time.cfg")) {
    const std::string clock = stopped.Read("date_time.cfg");
    EXPECT_TRUE(clock == kOldClock || clock == kNewClock) << "clock file \"" << clock << '"';
  }
  CommitSettings(file_system, FixedClock(kSomeTime), kBlock);
  EXPECT_EQ(LookUpSettingsLine(file_system).bytes(), kNewLine);
}

TEST(CrashConsistencyTest, AStartStoppedAfterAnyOperationLosesNothing) {
  int stop_points = 0;
  for (const Layout& layout : Layouts()) {
    SCOPED_TRACE(layout.name);
    // A run to the end counts the operations.
    int operations = 0;
    {
      TempDevice reference;
      Lay(reference, layout.files);
      FileSystem counting(reference.root(),
                          [&](std::string_view, std::string_view) { ++operations; });
      CommitSettings(counting, FixedClock(kSomeTime), kBlock);
    }
    ASSERT_GE(operations, 7);
    // Stop before operation `stop`, that is after the operations before it; `operations` itself
    // stands for the end, after the last one.
    for (int stop = 0; stop <= operations; ++stop) {
      SCOPED_TRACE("after " + std::to_string(stop) + " of " + std::to_string(operations) +
                   " operations");
      TempDevice device;
      Lay(device, layout.files);
      TempDevice stopped;
      int calls = 0;
      FileSystem crashing(device.root(), [&](std::string_view, std::string_view) {
        if (calls++ == stop) {
          CopyFiles(device, stopped);
          throw Crash{};
        }
      });
      try {
        CommitSettings(crashing, FixedClock(kSomeTime), kBlock);
        CopyFiles(device, stopped);
      } catch (const Crash&) {
      }
      CheckStoppedDevice(stopped);
      ++stop_points;
    }
  }
  RecordProperty("stop_points", stop_points);
  std::cout << "[ stop points ] " << stop_points << " device states checked\n";
  EXPECT_GE(stop_points, 100);
}

}  // namespace
}  // namespace device
