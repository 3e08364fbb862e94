#include "device/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "device/errors.h"
#ifdef _WIN32
#include "device/long_path_windows.h"
#include "device/windows_headers.h"
#endif
#include "device/settings_line.h"
#include "device_layout.h"

namespace device {
namespace {

using namespace testing;
using support::CanMakeSymlinks;

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

void Make(const TempDevice& device, std::string_view device_path, Kind kind) {
  const std::string_view name = NameOf(device_path);
  const std::filesystem::path path = device.Path(name);
  switch (kind) {
    case Kind::kFolder:
    case Kind::kHiddenSystemFolder:
      std::filesystem::create_directory(path);
      if (kind == Kind::kHiddenSystemFolder) device.SetDosBits(name, kHiddenBit | kSystemBit);
      return;
    case Kind::kSymlinkToFile:
      device.Write("target.txt", "0 linked\r\n");
      std::filesystem::create_symlink("target.txt", path);
      return;
    case Kind::kSymlinkToFolder:
      std::filesystem::create_directory(device.Path("target"));
      std::filesystem::create_symlink("target", path);
      return;
    case Kind::kDanglingSymlink:
      std::filesystem::create_symlink("nowhere", path);
      return;
    default:
      break;
  }
  device.Write(name, "0 settings\r\n");
  if (kind == Kind::kHidden || kind == Kind::kHiddenReadOnly) device.SetDosBits(name, kHiddenBit);
  if (kind == Kind::kSystem) device.SetDosBits(name, kSystemBit);
  if (kind == Kind::kHiddenSystemReadOnly) device.SetDosBits(name, kHiddenBit | kSystemBit);
  if (kind == Kind::kReadOnly || kind == Kind::kHiddenReadOnly ||
      kind == Kind::kHiddenSystemReadOnly) {
    device.SetReadOnly(name, true);
  }
}

constexpr const char* kNoLinks = "symbolic links cannot be made here";

struct ExistenceCase {
  const char* name;
  std::optional<Kind> kind;  // none: nothing there
  bool file_exists;
  bool entry_exists;
};

void ExpectExistence(const std::vector<ExistenceCase>& cases) {
  for (const ExistenceCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDevice device;
    if (c.kind) Make(device, "\\VOICE", *c.kind);
    const FileSystem file_system(device.root());
    EXPECT_EQ(file_system.FileExists("\\VOICE"), c.file_exists);
    EXPECT_EQ(file_system.EntryExists("\\VOICE"), c.entry_exists);
  }
}

TEST(FileSystemTest, FileAndEntryExistenceByKind) {
  ExpectExistence({
      {"missing", std::nullopt, false, false},
      {"normal file", Kind::kFile, true, true},
      {"hidden file", Kind::kHidden, true, true},
      {"read-only file", Kind::kReadOnly, true, true},
      {"hidden read-only file", Kind::kHiddenReadOnly, true, true},
      {"system file", Kind::kSystem, false, true},
      {"hidden system read-only file", Kind::kHiddenSystemReadOnly, false, true},
      {"folder", Kind::kFolder, false, true},
      {"hidden system folder", Kind::kHiddenSystemFolder, false, true},
  });
}

TEST(FileSystemTest, LinksAreNeitherFilesNorEntries) {
  if (!CanMakeSymlinks()) GTEST_SKIP() << kNoLinks;
  ExpectExistence({
      {"symlink to a file", Kind::kSymlinkToFile, false, false},
      {"symlink to a folder", Kind::kSymlinkToFolder, false, false},
      {"dangling symlink", Kind::kDanglingSymlink, false, false},
  });
}

TEST(FileSystemTest, SetAttributesReplacesTheWholeSet) {
  struct Case {
    const char* name;
    Kind kind;
    Attributes attributes;
    unsigned dos_bits;  // afterwards
  };
  const Case cases[] = {
      {"hidden system read-only file made normal", Kind::kHiddenSystemReadOnly, Attributes::kNormal,
       0},
      {"hidden system folder made normal", Kind::kHiddenSystemFolder, Attributes::kNormal, 0},
      {"read-only file hidden", Kind::kReadOnly, Attributes::kHidden, kHiddenBit},
      {"system file hidden", Kind::kSystem, Attributes::kHidden, kHiddenBit},
      {"normal file hidden", Kind::kFile, Attributes::kHidden, kHiddenBit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDevice device;
    Make(device, "\\VOICE", c.kind);
    FileSystem file_system(device.root());
    file_system.SetAttributes("\\VOICE", c.attributes);
    EXPECT_EQ(device.DosBits("VOICE"), c.dos_bits);
    EXPECT_FALSE(device.IsReadOnly("VOICE"));
  }
}

constexpr std::string_view kRavlenIni = "\\ravlen_setting.ini";
constexpr std::string_view kRavlenBak = "\\ravlen_setting.bak";
constexpr std::string_view kSystemIni = "\\system_setting.ini";
constexpr std::string_view kSystemBak = "\\system_setting.bak";

struct LookupCase {
  const char* name;
  std::vector<std::pair<std::string_view, Kind>> entries;
  std::optional<std::string_view> found;
};

void ExpectLookup(const std::vector<LookupCase>& cases) {
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDevice device;
    for (const auto& [path, kind] : c.entries) Make(device, path, kind);
    const FileSystem file_system(device.root());
    const std::optional<std::string> found = FindSettingsFile(file_system);
    EXPECT_EQ(found, c.found ? std::optional<std::string>(*c.found) : std::nullopt);
    if (!found) {
      EXPECT_THROW(LookUpSettingsLine(file_system), DeviceError);
    }
  }
}

TEST(FileSystemTest, LookupTakesTheFirstCandidateThatCounts) {
  ExpectLookup({
      {"empty root", {}, std::nullopt},
      {"only a hidden system_setting.bak", {{kSystemBak, Kind::kHidden}}, kSystemBak},
      {".ini before .bak", {{kRavlenBak, Kind::kFile}, {kRavlenIni, Kind::kFile}}, kRavlenIni},
      {"ravlen pair before system pair",
       {{kSystemIni, Kind::kFile}, {kRavlenBak, Kind::kHidden}},
       kRavlenBak},
      {"a folder named like the .ini",
       {{kRavlenIni, Kind::kFolder}, {kRavlenBak, Kind::kFile}},
       kRavlenBak},
      {"system file, then read-only",
       {{kRavlenBak, Kind::kSystem},
        {kSystemIni, Kind::kHiddenReadOnly},
        {kSystemBak, Kind::kFile}},
       kSystemIni},
      {"nothing counts",
       {{kRavlenIni, Kind::kHiddenSystemFolder},
        {kRavlenBak, Kind::kFolder},
        {kSystemIni, Kind::kHiddenSystemReadOnly},
        {kSystemBak, Kind::kSystem}},
       std::nullopt},
  });
}

TEST(FileSystemTest, LookupPassesOverLinks) {
  if (!CanMakeSymlinks()) GTEST_SKIP() << kNoLinks;
  ExpectLookup({
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
  });
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
    device.Write("ravlen_setting.ini", c.bytes);
    const FileSystem file_system(device.root());
    if (c.line) {
      EXPECT_EQ(file_system.ReadFirstLine("\\ravlen_setting.ini"), *c.line);
    } else {
      EXPECT_THROW(file_system.ReadFirstLine("\\ravlen_setting.ini"), DeviceError);
    }
  }
}

TEST(FileSystemTest, OnlyFilesAreReadOrDeleted) {
  TempDevice device;
  Make(device, "\\folder", Kind::kFolder);
  FileSystem file_system(device.root());
  for (const char* path : {"\\missing", "\\folder"}) {
    SCOPED_TRACE(path);
    EXPECT_THROW(file_system.ReadFirstLine(path), DeviceError);
    EXPECT_THROW(file_system.RemoveFile(path), DeviceError);
  }
  EXPECT_EQ(device.Names(), std::vector<std::string>{"folder"});
}

TEST(FileSystemTest, LinksAreNeverFollowed) {
  if (!CanMakeSymlinks()) GTEST_SKIP() << kNoLinks;
  TempDevice device;
  Make(device, "\\link", Kind::kSymlinkToFile);
  FileSystem file_system(device.root());
  EXPECT_THROW(file_system.ReadFirstLine("\\link"), DeviceError);
  EXPECT_THROW(file_system.RemoveFile("\\link"), DeviceError);
  EXPECT_THROW(file_system.SetAttributes("\\link", Attributes::kHidden), DeviceError);
  EXPECT_EQ(device.DosBits("target.txt"), 0u);
  EXPECT_EQ(device.Names(), (std::vector<std::string>{"link", "target.txt"}));
}

// A folder made at any depth; on Windows a path that long needs the extended form.
void MakeFolder(const std::filesystem::path& folder) {
#ifdef _WIN32
  ASSERT_TRUE(::CreateDirectoryW(ExtendedPath(folder).c_str(), nullptr)) << ::GetLastError();
#else
  ASSERT_TRUE(std::filesystem::create_directory(folder));
#endif
}

void RemoveFolder(const std::filesystem::path& folder) {
#ifdef _WIN32
  ::RemoveDirectoryW(ExtendedPath(folder).c_str());
#else
  std::filesystem::remove(folder);
#endif
}

// Deeper than the 260 characters that Windows paths are limited to unless a program and the
// system both opt out.
TEST(FileSystemTest, WorksUnderARootLongerThanAPlainWindowsPath) {
  TempDevice device;
  std::vector<std::filesystem::path> folders{device.root()};
  while (folders.back().native().size() <= 300) {
    folders.push_back(folders.back() / ("recorder folder " + std::to_string(folders.size())));
    MakeFolder(folders.back());
  }
  const std::filesystem::path& root = folders.back();
  EXPECT_TRUE(IsFolder(root));
  {
    FileSystem file_system(root);
    file_system.WriteLine("\\date_time.cfg", "2025/01/02 03:04:05");
    file_system.WriteLine("\\date_time.cfg", "2025/01/02 03:04:06");
    EXPECT_EQ(file_system.ReadFirstLine("\\date_time.cfg"), "2025/01/02 03:04:06");
    EXPECT_EQ(file_system.RootFileNames(), std::vector<std::string>{"date_time.cfg"});
    file_system.SetAttributes("\\date_time.cfg", Attributes::kHidden);
    EXPECT_TRUE(file_system.FileExists("\\date_time.cfg"));
    file_system.RemoveFile("\\date_time.cfg");
    EXPECT_FALSE(file_system.EntryExists("\\date_time.cfg"));
  }
  for (auto folder = folders.rbegin(); folder + 1 != folders.rend(); ++folder)
    RemoveFolder(*folder);
}

}  // namespace
}  // namespace device
