#include "device/clock_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "device/errors.h"
#include "device/write_back.h"
#include "device_layout.h"

namespace device {
namespace {

using namespace testing;
using namespace testing::model4;

struct ClockLineCase {
  LocalTime time;
  std::optional<std::string_view> block;
  std::string_view line;
};

TEST(ClockLineTest, FormatsEveryFieldWithLeadingZeros) {
  const ClockLineCase cases[] = {
      {{2026, 12, 7, 9, 5, 3}, std::nullopt, "2026 12 07 09 05 03"},
      {{2026, 12, 7, 9, 5, 3}, "20000000000000", "2026 12 07 09 05 03E20000000000000"},
      {{2026, 12, 31, 23, 59, 59}, std::nullopt, "2026 12 31 23 59 59"},
      {{2027, 1, 2, 3, 4, 5}, std::nullopt, "2027 01 02 03 04 05"},
      {{2027, 1, 2, 3, 4, 5}, "98765432109876", "2027 01 02 03 04 05E98765432109876"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(ClockLine(c.time, c.block), c.line);
  }
}

TEST(LiveClockTest, JoinsTheFieldsWithColons) {
  EXPECT_EQ(FormatLiveClock({2026, 12, 7, 9, 5, 3}), "2026:12:07:09:05:03");
  EXPECT_EQ(FormatLiveClock({2027, 1, 1, 0, 0, 0}), "2027:01:01:00:00:00");
}

// Sets the TZ variable for one test and puts the old value back.
class ZoneVariable {
 public:
  ZoneVariable() {
    if (const char* old = std::getenv("TZ")) old_ = old;
  }
  ~ZoneVariable() {
    if (old_)
      Set(*old_);
    else
      Unset();
  }
  static void Set(const std::string& zone) {
#ifdef _WIN32
    _putenv_s("TZ", zone.c_str());
#else
    setenv("TZ", zone.c_str(), 1);
#endif
  }
  static void Unset() {
#ifdef _WIN32
    _putenv_s("TZ", "");
#else
    unsetenv("TZ");
#endif
  }

 private:
  std::optional<std::string> old_;
};

TEST(NearestLocalTimeTest, RoundsToTheNearestSecondInTheZoneSetNow) {
  using std::chrono::milliseconds;
  using std::chrono::seconds;
  // 2026-12-31 23:59:58 UTC.
  const std::chrono::system_clock::time_point base{seconds(1798761598)};
  struct Case {
    const char* what;
    const char* zone;  // POSIX form, which both C libraries read without a zone database
    milliseconds after_base;
    LocalTime expected;
  };
  const Case cases[] = {
      {"whole second", "UTC0", milliseconds(0), {2026, 12, 31, 23, 59, 58}},
      {"just under half", "UTC0", milliseconds(499), {2026, 12, 31, 23, 59, 58}},
      {"half rounds up", "UTC0", milliseconds(500), {2026, 12, 31, 23, 59, 59}},
      {"rounds into the new year", "UTC0", milliseconds(1500), {2027, 1, 1, 0, 0, 0}},
      {"just before the new year", "UTC0", milliseconds(1499), {2026, 12, 31, 23, 59, 59}},
      // The zone changes between calls in one process, as a PC's zone does on a trip.
      {"zone east", "KST-9", milliseconds(1600), {2027, 1, 1, 9, 0, 0}},
      {"zone west", "EST5", milliseconds(1600), {2026, 12, 31, 19, 0, 0}},
  };
  const ZoneVariable restore;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ZoneVariable::Set(c.zone);
    const LocalTime got = NearestLocalTime(base + c.after_base);
    EXPECT_EQ(FormatLiveClock(got), FormatLiveClock(c.expected));
  }
}

TEST(ClockFileTest, ReplacesAnyExistingClockFileWhole) {
  TempDevice device;
  device.Write(kClockName, "1999 01 01 00 00 00E12345678901234 and more\r\nsecond line\r\n");
  FileSystem file_system(device.root());
  WriteClockFile(file_system, FixedClock(kSomeTime));
  EXPECT_EQ(device.Read(kClockName), "2026 12 07 09 05 03\r\n");
  EXPECT_EQ(device.Names(), std::vector<std::string>{"date_time.cfg"});
}

// A link in its place is replaced by a file of its own; the link's target stays as it was.
TEST(ClockFileTest, ReplacesALinkInItsPlace) {
  if (!support::CanMakeSymlinks()) GTEST_SKIP() << "symbolic links cannot be made here";
  TempDevice device;
  device.Write("target.txt", "not the clock\r\n");
  std::filesystem::create_symlink("target.txt", device.Path(kClockName));
  FileSystem file_system(device.root());
  WriteClockFile(file_system, FixedClock(kSomeTime), kBlock);
  EXPECT_TRUE(device.IsFile(kClockName));
  EXPECT_EQ(device.Read(kClockName), kClockLine);
  EXPECT_EQ(device.Read("target.txt"), "not the clock\r\n");
  EXPECT_EQ(device.Names(), (std::vector<std::string>{"date_time.cfg", "target.txt"}));
}

TEST(ClockFileTest, KeepsTheAttributesOfAnExistingClockFile) {
  TempDevice device;
  device.Write(kClockName, "old\r\n");
  device.SetDosBits(kClockName, kHiddenBit | kSystemBit);
  FileSystem file_system(device.root());
  WriteClockFile(file_system, FixedClock(kSomeTime));
  EXPECT_EQ(device.Read(kClockName), "2026 12 07 09 05 03\r\n");
  EXPECT_EQ(device.DosBits(kClockName), kHiddenBit | kSystemBit);
}

TEST(ClockFileTest, AClockFileThatCannotBeWrittenStopsTheCommitBeforeTheSettings) {
  const std::string settings = kOldLine + "\r\n";
  for (const bool folder : {false, true}) {
    SCOPED_TRACE(folder ? "clock file is a folder" : "clock file is read-only");
    TempDevice device;
    device.Write("ravlen_setting.ini", settings);
    if (folder) {
      std::filesystem::create_directory(device.Path(kClockName));
    } else {
      device.Write(kClockName, "old clock\r\n");
      device.SetReadOnly(kClockName, true);
    }
    const auto before = Snapshot(device);
    FileSystem file_system(device.root());
    EXPECT_THROW(WriteClockFile(file_system, FixedClock(kSomeTime)), DeviceError);
    EXPECT_THROW(CommitSettings(file_system, FixedClock(kSomeTime), kBlock), DeviceError);
    EXPECT_EQ(Snapshot(device), before);
  }
}

}  // namespace
}  // namespace device
