#include "device/root_search.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_device.h"

namespace device {
namespace {

using support::TempDevice;

// The temporary folders lie on a FAT volume only in the runs on the kernel's FAT driver, which say
// so with DTC_ON_FAT; elsewhere they are on the system's own disk, which no recorder can be.
TEST(RootSearchTest, OnlyAFatVolumeOrARemovableDriveCouldBeARecorder) {
  TempDevice device;
  EXPECT_EQ(OnRecorderVolume(device.root()), std::getenv("DTC_ON_FAT") != nullptr);
  EXPECT_FALSE(OnRecorderVolume(device.Path("missing")));
}

TEST(RootSearchTest, WhatLooksLikeARecorderRoot) {
  struct Case {
    const char* name;
    bool folder;
    bool symlink;
    bool looks_like_root;
  };
  const Case cases[] = {
      {"ravlen_setting.ini", false, false, true},
      {"ravlen_setting.bak", false, false, true},
      {"system_setting.ini", false, false, true},
      {"system_setting.bak", false, false, true},
      {"date_time.cfg", false, false, true},
      {"VOICE", true, false, true},
      {"VOICE", false, false, true},
      {"VOICE", true, true, false},
      {"ravlen_setting.ini", false, true, false},
      {"voice.txt", false, false, false},
      {"ravlen_setting.ini", true, false, false},
  };
  bool left_out = false;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (c.folder ? " folder" : " file") +
                 (c.symlink ? " behind a link" : ""));
    if (c.symlink && !support::CanMakeSymlinks()) {
      left_out = true;
      continue;
    }
    TempDevice root;
    TempDevice elsewhere;
    // The entry itself, or a link in the root to one made elsewhere.
    const TempDevice& holder = c.symlink ? elsewhere : root;
    if (c.folder) {
      std::filesystem::create_directory(holder.Path(c.name));
    } else {
      holder.Write(c.name, "0\r\n");
    }
    if (c.symlink) std::filesystem::create_symlink(elsewhere.Path(c.name), root.Path(c.name));
    EXPECT_EQ(LooksLikeRecorderRoot(root.root()), c.looks_like_root);
  }
  TempDevice empty;
  EXPECT_FALSE(LooksLikeRecorderRoot(empty.root()));
  EXPECT_EQ(LookAtRoot(empty.root()).kind, RootLook::Kind::kOther);
  // A root that cannot be read is no recorder's to the search; --watch tells of it, with the
  // system's reason.
  const RootLook missing = LookAtRoot(empty.Path("missing"));
  EXPECT_EQ(missing.kind, RootLook::Kind::kUnreadable);
  EXPECT_FALSE(missing.reason.empty());
  EXPECT_EQ(missing.reason.find("missing"), std::string::npos) << missing.reason;
  EXPECT_FALSE(LooksLikeRecorderRoot(empty.Path("missing")));
  if (left_out) GTEST_SKIP() << "cases with symbolic links left out: they cannot be made here";
}

// A program folder and three FAT volumes ("vol a" to "vol c") in temporary folders; each case
// says which of them hold a recorder's files.
TEST(RootSearchTest, AVolumeUnderSeveralNamesCountsOnceAtItsFirst) {
  // Each volume kept has its name as its device and all its places as its mounts.
  struct Kept {
    std::string mount_point;
    std::string device;  // the volume's name
    std::vector<std::string> mounts;
  };
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::wstring>> places;  // mount point, volume name
    std::vector<Kept> kept;
  };
  const Case cases[] = {
      {"two letters, one volume", {{"E:", L"v1"}, {"F:", L"v1"}}, {{"E:", "v1", {"E:", "F:"}}}},
      {"a letter and a folder",
       {{"E:", L"v1"}, {"C:/REC", L"v1"}, {"G:", L"v2"}},
       {{"E:", "v1", {"E:", "C:/REC"}}, {"G:", "v2", {"G:"}}}},
      {"volumes of their own",
       {{"E:", L"v1"}, {"F:", L"v2"}},
       {{"E:", "v1", {"E:"}}, {"F:", "v2", {"F:"}}}},
      {"no volume name (a network drive)",
       {{"N:", L""}, {"M:", L""}},
       {{"N:", "", {"N:"}}, {"M:", "", {"M:"}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Volume> volumes;
    for (const auto& place : c.places) volumes.push_back({place.first, "label " + place.first});
    const auto name_of = [&](const std::filesystem::path& mount_point) {
      for (const auto& place : c.places)
        if (mount_point == place.first) return place.second;
      return std::wstring();
    };
    std::vector<Volume> expected;
    for (const Kept& kept : c.kept) {
      expected.push_back({kept.mount_point, "label " + kept.mount_point, kept.device, kept.mounts});
    }
    EXPECT_EQ(OncePerVolume(volumes, name_of), expected);
  }
}

TEST(RootSearchTest, ChoosesTheDeviceRoot) {
  using Kind = RootChoice::Kind;
  struct Case {
    const char* name;
    std::vector<std::string> recorders;
    Kind kind;
    std::string root;                     // for every kind but kChoose
    std::vector<std::string> candidates;  // for kChoose
  };
  const Case cases[] = {
      {"program folder", {"program", "vol a"}, Kind::kProgramFolder, "program", {}},
      {"nothing anywhere", {}, Kind::kFallback, "program", {}},
      {"one volume", {"vol b"}, Kind::kVolume, "vol b", {}},
      {"a recorder on a volume that is not FAT", {"ext"}, Kind::kFallback, "program", {}},
      {"several volumes", {"vol a", "vol c"}, Kind::kChoose, "", {"vol a", "vol c"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDevice place;
    for (const char* folder : {"program", "vol a", "vol b", "vol c", "ext"}) {
      std::filesystem::create_directory(place.Path(folder));
    }
    for (const std::string& folder : c.recorders) {
      place.Write(folder + "/ravlen_setting.ini", "4\r\n");
    }
    const std::string at = place.root().string() + "/";
    const std::string table = "/dev/sdb1 " + at + "vol\\040a vfat rw 0 0\n" + "/dev/sdc1 " + at +
                              "vol\\040b msdos rw 0 0\n" + "/dev/sdd1 " + at +
                              "vol\\040c vfat rw 0 0\n" + "/dev/sde1 " + at + "ext ext4 rw 0 0\n";

    const RootChoice choice = ChooseDeviceRoot(
        place.Path("program"), [&] { return FatVolumes(table, place.Path("none")); },
        LooksLikeRecorderRoot);
    EXPECT_EQ(choice.kind, c.kind);
    if (c.kind == Kind::kChoose) {
      std::vector<Volume> expected;
      for (const std::string& folder : c.candidates) expected.push_back({place.Path(folder), ""});
      EXPECT_EQ(choice.candidates, expected);
    } else {
      EXPECT_EQ(choice.root, place.Path(c.root));
      EXPECT_TRUE(choice.candidates.empty());
    }
  }
}

}  // namespace
}  // namespace device
