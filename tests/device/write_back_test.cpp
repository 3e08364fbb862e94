#include "device/write_back.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/clock_file.h"
#include "device/errors.h"
#include "device_layout.h"

namespace device {
namespace {

using namespace testing;

constexpr std::string_view kBlock = "21034500000000";
const std::string kClockWithBlock = ClockLineWith(kBlock);

// Positions 2, 17 and 32 hold characters that no screen would write; 33 to 47 are the version
// text and 48 on are to be dropped.
const std::string kHead = "4~11100000000000|";   // 1 to 17
const std::string kOldBlock = "99999999999999";  // 18 to 31
const std::string kVersion = "V1.02 \xB0\xA1  build";
const std::string kLine60 = kHead + kOldBlock + "\xB5" + kVersion + "TRAILING-TEXT";

TEST(RebuildSettingsLineTest, ReplacesTheBlockAndDropsWhatFollowsTheVersionText) {
  ASSERT_EQ(kLine60.size(), 60u);
  const std::string block(kBlock);
  struct Case {
    std::size_t length;  // of the line read
    std::string rebuilt;
  };
  const Case cases[] = {
      {0, block},
      {10, "4~11100000" + block},
      {17, kHead + block},
      {20, kHead + block},
      {31, kHead + block},
      {32, kHead + block + "\xB5"},
      {40, kHead + block + "\xB5" + kVersion.substr(0, 8)},
      {47, kHead + block + "\xB5" + kVersion},
      {60, kHead + block + "\xB5" + kVersion},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "line of " << c.length);
    EXPECT_EQ(RebuildSettingsLine(kLine60.substr(0, c.length), kBlock), c.rebuilt);
  }
}

TEST(CommitSettingsTest, WritesTheBakOfThePairReadAndDeletesItsIni) {
  const std::string line = kLine60.substr(0, 47);
  const std::string rebuilt = RebuildSettingsLine(line, kBlock) + "\r\n";
  struct Case {
    const char* name;
    std::vector<FileSpec> files;
    std::string_view written;
    std::vector<std::string> entries;  // afterwards, sorted
  };
  const Case cases[] = {
      {"only a normal ravlen_setting.ini",
       {{"\\ravlen_setting.ini", line + "\r\n"}},
       "\\ravlen_setting.bak",
       {"date_time.cfg", "ravlen_setting.bak"}},
      {".ini beside a hidden read-only .bak",
       {{"\\ravlen_setting.ini", line + "\r\n"},
        {"\\ravlen_setting.bak", "0 old backup line\r\n", kHiddenBit, true}},
       "\\ravlen_setting.bak",
       {"date_time.cfg", "ravlen_setting.bak"}},
      {"only a hidden system_setting.bak",
       {{"\\system_setting.bak", line + "\r\n", kHiddenBit}},
       "\\system_setting.bak",
       {"date_time.cfg", "system_setting.bak"}},
      {"a settings file of several lines",
       {{"\\ravlen_setting.ini", line + "\r\nsecond line\r\nthird\n"}},
       "\\ravlen_setting.bak",
       {"date_time.cfg", "ravlen_setting.bak"}},
      {"a hidden read-only system_setting.ini",
       {{"\\system_setting.ini", line + "\r\n", kHiddenBit, true}},
       "\\system_setting.bak",
       {"date_time.cfg", "system_setting.bak"}},
      {"a system .ini is not read and stays",
       {{"\\system_setting.ini", "6 system file\r\n", kSystemBit},
        {"\\system_setting.bak", line + "\r\n", kHiddenBit}},
       "\\system_setting.bak",
       {"date_time.cfg", "system_setting.bak", "system_setting.ini"}},
      {"a .bak read leaves the other pair alone",
       {{"\\ravlen_setting.bak", line + "\r\n", kHiddenBit, true},
        {"\\system_setting.ini", "5 other pair\r\n"}},
       "\\ravlen_setting.bak",
       {"date_time.cfg", "ravlen_setting.bak", "system_setting.ini"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDevice device;
    testing::Lay(device, c.files);
    FileSystem file_system(device.root());
    CommitSettings(file_system, FixedClock(kSomeTime), kBlock);

    const std::string_view written = NameOf(c.written);
    EXPECT_EQ(device.Names(), c.entries);
    EXPECT_EQ(device.Read(written), rebuilt);
    EXPECT_EQ(device.DosBits(written), kHiddenBit);
    EXPECT_FALSE(device.IsReadOnly(written));
    EXPECT_EQ(device.Read(kClockName), kClockWithBlock);
    for (const FileSpec& file : c.files) {
      if (file.path != c.written && device.Exists(NameOf(file.path))) {
        EXPECT_EQ(device.Read(NameOf(file.path)), file.bytes) << file.path << " was changed";
      }
    }
  }
}

}  // namespace
}  // namespace device
