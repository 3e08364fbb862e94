#include "device/start_guard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "device/write_back.h"
#include "device_layout.h"

namespace device {
namespace {

using namespace testing;

enum class Kind { kFile, kHiddenFile, kFolder, kLink };

struct Entry {
  std::string name;
  Kind kind = Kind::kFile;
};

// "date_time.cfg.tmp", "date_time.cfg.tmp1", ... "date_time.cfg.tmp100": more than an earlier
// version of the program would pass over.
std::vector<Entry> HundredAndOne(Kind kind) {
  std::vector<Entry> entries = {{"date_time.cfg.tmp", kind}};
  for (int i = 1; i <= 100; ++i) entries.push_back({"date_time.cfg.tmp" + std::to_string(i), kind});
  return entries;
}

void Make(const TempDevice& device, const Entry& entry) {
  switch (entry.kind) {
    case Kind::kFolder:
      std::filesystem::create_directory(device.Path(entry.name));
      return;
    case Kind::kLink:
      std::filesystem::create_symlink("linked", device.Path(entry.name));
      return;
    case Kind::kFile:
    case Kind::kHiddenFile:
      device.Write(entry.name, "left behind");
      if (entry.kind == Kind::kHiddenFile) device.SetDosBits(entry.name, kHiddenBit);
      return;
  }
}

// A Start on a model 6 recorder finds the temporary files that interrupted writes left in the
// root: those of the program's own names are removed, nothing else is, and the Start writes its
// files whatever stands in the way.
TEST(StartGuardTest, RemovesTheLeftoverTemporaryFilesAndNothingElse) {
  struct Case {
    const char* name;
    std::vector<Entry> entries;
    bool removed;
  };
  const Case cases[] = {
      {"the first name of each file written",
       {{"date_time.cfg.tmp"},
        {"ravlen_setting.bak.tmp", Kind::kHiddenFile},
        {"system_setting.bak.tmp"}},
       true},
      {"later names",
       {{"date_time.cfg.tmp1"}, {"ravlen_setting.bak.tmp57"}, {"system_setting.bak.tmp100000"}},
       true},
      {"101 leftovers", HundredAndOne(Kind::kFile), true},
      {"a symbolic link", {{"date_time.cfg.tmp", Kind::kLink}}, false},
      {"a folder", {{"date_time.cfg.tmp", Kind::kFolder}}, false},
      {"101 folders", HundredAndOne(Kind::kFolder), false},
      {"other names",
       {{"date_time.cfg.tmpx"},
        {"date_time.cfg.tmp.old"},
        {"date_time.cfg.tmp-1"},
        {"ravlen_setting.ini.tmp"},
        {"ravlen_setting.bak.TMP"},
        {"x-date_time.cfg.tmp"}},
       false},
  };
  const std::string line = "60111111111111110221110000120000FW 6.00 MODEL-6";
  const std::string block = "32111000012000";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const bool links = std::any_of(c.entries.begin(), c.entries.end(),
                                   [](const Entry& entry) { return entry.kind == Kind::kLink; });
    if (links && !support::CanMakeSymlinks()) continue;
    TempDevice device;
    device.Write("ravlen_setting.ini", line + "\r\n");
    device.Write("linked", "a link's target");
    for (const Entry& entry : c.entries) Make(device, entry);

    FileSystem file_system(device.root());
    {
      const StartGuard guard(file_system);
      EXPECT_NO_THROW(CommitSettings(file_system, FixedClock(kSomeTime), block));
    }

    std::vector<std::string> expected = {"date_time.cfg", "linked", "ravlen_setting.bak"};
    if (!c.removed) {
      for (const Entry& entry : c.entries) expected.push_back(entry.name);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(device.Names(), expected);
    EXPECT_EQ(device.Read("date_time.cfg"),
              std::string(support::kSomeTimeText) + "E" + block + "\r\n");
    EXPECT_EQ(device.Read("ravlen_setting.bak"), RebuildSettingsLine(line, block) + "\r\n");
    EXPECT_EQ(device.Read("linked"), "a link's target");
    for (const Entry& entry : c.entries) {
      if (!c.removed && entry.kind == Kind::kFile) {
        EXPECT_EQ(device.Read(entry.name), "left behind");
      }
    }
  }
}

}  // namespace
}  // namespace device
