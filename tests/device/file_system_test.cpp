#include "device/file_system.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "device/errors.h"
#include "device/settings_line.h"
#include "temp_device.h"

namespace device {
namespace {

using testing::kHiddenBit;
using testing::kSystemBit;
using testing::TempDevice;

enum class Kind {
  kFile,
  kHidden,
  kReadOnly,
  kHiddenReadOnly,
  kSystem,
  kHiddenSystemReadOnly,
  kFolder,
  kHiddenSystemFolder,
  kSymlinkToFile,
  kSymlinkToFolder,
  kDanglingSymlink,
};

void Make(const TempDevice& device, std::string_view path, Kind kind) {
  switch (kind) {
    case Kind::kFolder:
    case Kind::kHiddenSystemFolder:
      device.MakeFolder(path);
      if (kind == Kind::kHiddenSystemFolder) device.SetDosBits(path, kHiddenBit | kSystemBit);
      return;
    case Kind::kSymlinkToFile:
      device.Write("\\target.txt", "0 linked\r\n");
      device.MakeSymlink(path, "target.txt");
      return;
    case Kind::kSymlinkToFolder:
      device.MakeFolder("\\target");
      device.MakeSymlink(path, "target");
      return;
    case Kind::kDanglingSymlink:
      device.MakeSymlink(path, "nowhere");
      return;
    default:
      break;
  }
  device.Write(path, std::string(path) + "\r\n");
  if (kind == Kind::kHidden || kind == Kind::kHiddenReadOnly) device.SetDosBits(path, kHiddenBit);
  if (kind == Kind::kSystem) device.SetDosBits(path, kSystemBit);
  if (kind == Kind::kHiddenSystemReadOnly) device.SetDosBits(path, kHiddenBit | kSystemBit);
  if (kind == Kind::kReadOnly || kind == Kind::kHiddenReadOnly ||
      kind == Kind::kHiddenSystemReadOnly) {
    device.MakeReadOnly(path);
  }
}

TEST(FileSystemTest, FileAndEntryExistenceByKind) {
  struct Case {
    const char* name;
    std::optional<Kind> kind;  // none: nothing there
    bool file_exists;
    bool entry_exists;
  };
  const Case cases[] = {
      {"missing", std::nullopt, false, false},
      {"normal file", Kind::kFile, true, true},
      {"hidden file", Kind::kHidden, true, true},
      {"read-only file", Kind::kReadOnly, true, true},
      {"hidden read-only file", Kind::kHiddenReadOnly, true, true},
      {"system file", Kind::kSystem, false, true},
      {"hidden system read-only file", Kind::kHiddenSystemReadOnly, false, true},
      {"folder", Kind::kFolder, false, true},
      {"hidden system folder", Kind::kHiddenSystemFolder, false, true},
      {"symlink to a file", Kind::kSymlinkToFile, false, false},
      {"symlink to a folder", Kind::kSymlinkToFolder, false, false},
      {"dangling symlink", Kind::kDanglingSymlink, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDevice device;
    if (c.kind) Make(device, "\\VOICE", *c.kind);
    const FileSystem file_system(device.root());
    EXPECT_EQ(file_system.FileExists("\\VOICE"), c.file_exists);
    EXPECT_EQ(file_system.EntryExists("\\VOICE"), c.entry_exists);
  }
}

TEST(FileSystemTest, LookupTakesTheFirstCandidateThatCounts) {
  constexpr std::string_view kRavlenIni = "\\ravlen_setting.ini";
  constexpr std::string_view kRavlenBak = "\\ravlen_setting.bak";
  constexpr std::string_view kSystemIni = "\\system_setting.ini";
  constexpr std::string_view kSystemBak = "\\system_setting.bak";
  struct Case {
    const char* name;
    std::vector<std::pair<std::string_view, Kind>> entries;
    std::optional<std::string_view> found;
  };
  const Case cases[] = {
      {"empty root", {}, std::nullopt},
      {"only a hidden system_setting.bak", {{kSystemBak, Kind::kHidden}}, kSystemBak},
      {".ini before .bak", {{kRavlenBak, Kind::kFile}, {kRavlenIni, Kind::kFile}}, kRavlenIni},
      {"ravlen pair before system pair",
       {{kSystemIni, Kind::kFile}, {kRavlenBak, Kind::kHidden}},
       kRavlenBak},
      {"a folder named like the .ini",
       {{kRavlenIni, Kind::kFolder}, {kRavlenBak, Kind::kFile}},
       kRavlenBak},
      {"symlink, system file, then read-only",
       {{kRavlenIni, Kind::kSymlinkToFile},
        {kRavlenBak, Kind::kSystem},
        {kSystemIni, Kind::kHiddenReadOnly},
        {kSystemBak, Kind::kFile}},
       kSystemIni},
      {"nothing counts",
       {{kRavlenIni, Kind::kHiddenSystemFolder},
        {kRavlenBak, Kind::kDanglingSymlink},
        {kSystemIni, Kind::kHiddenSystemReadOnly},
        {kSystemBak, Kind::kSymlinkToFolder}},
       std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDevice device;
    for (const auto& [path, kind] : c.entries) Make(device, path, kind);
    const FileSystem file_system(device.root());
    const std::optional<std::string> found = FindSettingsFile(file_system);
    EXPECT_EQ(found, c.found ? std::optional<std::string>(*c.found) : std::nullopt);
    if (!found) EXPECT_THROW(LookUpSettingsLine(file_system), DeviceError);
  }
}

TEST(FileSystemTest, FirstLineEndsAtCarriageReturnOnly) {
  struct Case {
    const char* name;
    std::string bytes;
    std::optional<std::string> line;  // none: the read fails
  };
  const Case cases[] = {
      {"CR LF", "4 first\r\nsecond\r\n", "4 first"},
      {"lone CR", "4 first\rsecond", "4 first"},
      {"lone LF belongs to the line", "4 first\nsecond\r\nthird", "4 first\nsecond"},
      {"no line end", "4 only", "4 only"},
      {"just CR LF", "\r\n", ""},
      {"just LF", "\n", "\n"},
      {"NUL inside", std::string("4\0x\r\n", 5), std::string("4\0x", 3)},
      {"longer than the read limit", std::string(kFirstLineReadLimit + 5000, 'x'),
       std::string(kFirstLineReadLimit, 'x')},
      {"zero bytes", "", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDevice device;
    device.Write("\\ravlen_setting.ini", c.bytes);
    const FileSystem file_system(device.root());
    if (c.line) {
      EXPECT_EQ(file_system.ReadFirstLine("\\ravlen_setting.ini"), *c.line);
    } else {
      EXPECT_THROW(file_system.ReadFirstLine("\\ravlen_setting.ini"), DeviceError);
    }
  }
}

TEST(FileSystemTest, ReadingSomethingThatIsNotAFileFails) {
  TempDevice device;
  Make(device, "\\folder", Kind::kFolder);
  Make(device, "\\link", Kind::kSymlinkToFile);
  const FileSystem file_system(device.root());
  for (const char* path : {"\\missing", "\\folder", "\\link"}) {
    SCOPED_TRACE(path);
    EXPECT_THROW(file_system.ReadFirstLine(path), DeviceError);
  }
}

}  // namespace
}  // namespace device
