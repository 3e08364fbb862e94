// Failures of the device in the middle of a Start: whatever step fails, the recorder keeps a
// whole settings line (the old one or the new one), no temporary file is left behind, and the
// next Start finishes the job.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "device/clock_file.h"
#include "device/errors.h"
#include "device/settings_line.h"
#include "device/write_back.h"
#include "device_layout.h"

namespace device {
namespace {

using namespace testing;
using namespace testing::model4;

TEST(DeviceFaultTest, NothingIsWrittenWhenTheSettingsLineCannotBeRead) {
  struct Case {
    const char* name;
    std::vector<FileSpec> files;
  };
  const Case cases[] = {
      {"no settings file", {}},
      {"zero-byte .ini", {{"\\ravlen_setting.ini", ""}}},
      {"zero-byte .ini before a good .bak",
       {{"\\ravlen_setting.ini", ""}, {"\\ravlen_setting.bak", kOldLine + "\r\n", kHiddenBit}}},
      {"zero-byte hidden .bak", {{"\\system_setting.bak", "", kHiddenBit}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDevice device;
    Lay(device, c.files);
    const auto before = Snapshot(device);
    FileSystem file_system(device.root());
    EXPECT_THROW(CommitSettings(file_system, FixedClock(kSomeTime), kBlock), DeviceError);
    EXPECT_EQ(Snapshot(device), before);
  }
}

TEST(DeviceFaultTest, ASettingsFileThatVanishedAfterTheLookupFailsTheRead) {
  TempDevice device;
  device.Write("ravlen_setting.ini", kOldLine + "\r\n");
  const FileSystem file_system(device.root());
  const std::optional<std::string> path = FindSettingsFile(file_system);
  ASSERT_EQ(path, "\\ravlen_setting.ini");
  std::filesystem::remove(device.Path(NameOf(*path)));
  EXPECT_THROW(ReadSettingsLine(file_system, path), DeviceError);
  EXPECT_TRUE(device.Names().empty());
}

TEST(DeviceFaultTest, AStartStoppedAtAnyStepLosesNothing) {
  const std::set<std::string> known_names = {"date_time.cfg", "ravlen_setting.ini",
                                             "ravlen_setting.bak", "system_setting.ini",
                                             "system_setting.bak"};
  struct Layout {
    const char* name;
    std::vector<FileSpec> files;
  };
  const Layout layouts[] = {
      {"only an .ini", {{"\\ravlen_setting.ini", kOldLine + "\r\n"}}},
      {".ini beside a hidden read-only .bak and an old clock file",
       {{"\\ravlen_setting.ini", kOldLine + "\r\n"},
        {"\\ravlen_setting.bak", "4 stale backup\r\n", kHiddenBit, true},
        {kClockFilePath, "1999 01 01 00 00 00\r\n"}}},
      {"only a hidden .bak", {{"\\system_setting.bak", kOldLine + "\r\nmore\r\n", kHiddenBit}}},
  };
  for (const Layout& layout : layouts) {
    SCOPED_TRACE(layout.name);
    // A run without faults gives the steps to stop at and the device as it should end up.
    std::vector<std::pair<std::string, std::string>> steps;
    TempDevice reference;
    Lay(reference, layout.files);
    FileSystem recording(reference.root(), [&](std::string_view step, std::string_view path) {
      steps.emplace_back(step, path);
    });
    CommitSettings(recording, FixedClock(kSomeTime), kBlock);
    const auto finished = Snapshot(reference);
    std::size_t clock_written = 0;  // the number of steps after which the clock file is in place
    for (std::size_t i = 0; i < steps.size(); ++i) {
      if (steps[i].second == kClockFilePath) clock_written = i + 1;
    }
    ASSERT_GT(clock_written, 0u);
    ASSERT_LT(clock_written, steps.size());

    for (std::size_t stop = 1; stop <= steps.size(); ++stop) {
      SCOPED_TRACE(::testing::Message() << "step " << stop << ": " << steps[stop - 1].first << " "
                                        << steps[stop - 1].second);
      TempDevice device;
      Lay(device, layout.files);
      std::size_t calls = 0;
      FileSystem faulty(device.root(), [&](std::string_view step, std::string_view path) {
        if (++calls == stop) throw DeviceError(std::string(step), std::string(path), "fault");
      });
      EXPECT_THROW(CommitSettings(faulty, FixedClock(kSomeTime), kBlock), DeviceError);

      for (const std::string& name : device.Names()) {
        EXPECT_TRUE(known_names.contains(name)) << name << " was left behind";
      }
      for (const FileSpec& file : layout.files) {
        if (!device.Exists(NameOf(file.path))) continue;
        const std::string bytes = device.Read(NameOf(file.path));
        const std::string written = file.path == kClockFilePath ? kClockLine : kNewLine + "\r\n";
        EXPECT_TRUE(bytes == file.bytes || bytes == written) << file.path << " holds " << bytes;
      }
      if (stop > clock_written) {
        EXPECT_EQ(device.Read(kClockName), kClockLine);
      }
      FileSystem file_system(device.root());
      const std::string line = LookUpSettingsLine(file_system).bytes();
      EXPECT_TRUE(line == kOldLine || line == kNewLine) << "settings line " << line;

      CommitSettings(file_system, FixedClock(kSomeTime), kBlock);
      EXPECT_EQ(Snapshot(device), finished);
    }
  }
}

}  // namespace
}  // namespace device
