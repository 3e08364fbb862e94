#include "device/mount_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "device/mount_departures.h"
#include "device/root_search.h"
#include "device/volume_label.h"
#include "support/temp_device.h"

namespace device {
namespace {

TEST(MountTableTest, DecodesOctalEscapesOnly) {
  struct Case {
    const char* field;
    const char* decoded;
  };
  const Case cases[] = {
      {R"(/media/me/REC\040ONE)", "/media/me/REC ONE"},
      {R"(/a\011b\012c)", "/a\tb\nc"},
      {R"(/back\134slash)", "/back\\slash"},
      {R"(/not\08octal)", R"(/not\08octal)"},
      {R"(/short\04)", R"(/short\04)"},
      {R"(/end\)", R"(/end\)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    EXPECT_EQ(DecodeMountField(c.field), c.decoded);
  }
}

TEST(MountTableTest, SkipsLinesWithoutFourFields) {
  const auto entries = ParseMountTable(
      "\n"
      "/dev/sdb1 /media/me/REC\\040ONE vfat rw,relatime 0 0\n"
      "garbage\n"
      "/dev/sdc1\t/mnt/x   msdos\tro\n"
      "/dev/sdd1 /mnt/y vfat");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].device, "/dev/sdb1");
  EXPECT_EQ(entries[0].mount_point, "/media/me/REC ONE");
  EXPECT_EQ(entries[0].type, "vfat");
  EXPECT_EQ(entries[0].options, "rw,relatime");
  EXPECT_EQ(entries[1].mount_point, "/mnt/x");
  EXPECT_EQ(entries[1].type, "msdos");
}

TEST(MountTableTest, ReadingAMissingTableGivesNoVolumes) {
  EXPECT_EQ(ReadMountTable("/nonexistent/mounts"), "");
}

TEST(MountTableTest, DecodesUdevLabelEscapes) {
  EXPECT_EQ(DecodeLabelName(R"(REC\x20ONE)"), "REC ONE");
  EXPECT_EQ(DecodeLabelName(R"(A\x5cB)"), "A\\B");
  EXPECT_EQ(DecodeLabelName(R"(odd\xZZ\x2)"), R"(odd\xZZ\x2)");
}

// Only reachable FAT volumes count, each once, with the label of the link that leads to their
// device.
TEST(MountTableTest, FatVolumesWithTheirLabels) {
  if (!support::CanMakeSymlinks()) GTEST_SKIP() << "symbolic links cannot be made here";
  support::TempDevice place;
  for (const char* name : {"sdb1", "sdc1", "sdd1", "sde1"}) place.Write(name, "");
  const std::filesystem::path labels = place.Path("by-label");
  std::filesystem::create_directory(labels);
  std::filesystem::create_symlink(place.Path("sdb1"), labels / R"(REC\x20ONE)");
  std::filesystem::create_symlink(place.Path("sdd1"), labels / "STICK");
  const std::string dev = place.root().string() + "/";

  const std::string table = dev + "sdb1 /media/REC\\040ONE vfat rw 0 0\n" +  //
                            dev + "sdb1 /mnt/bind vfat rw 0 0\n" +           //
                            dev + "sdc1 /media/over msdos rw 0 0\n" +        //
                            "tmpfs /media/over tmpfs rw 0 0\n" +             //
                            dev + "sdd1 /media/stick msdos rw 0 0\n" +       //
                            dev + "sde1 /media/big exfat rw 0 0\n" +         //
                            "/dev/sda2 / ext4 rw 0 0\n" +                    //
                            "/dev/sdf1 /media/fuse fuseblk rw 0 0\n";
  EXPECT_EQ(FatVolumes(table, labels),
            (std::vector<Volume>{{"/media/REC ONE", "REC ONE"}, {"/media/stick", "STICK"}}));
  EXPECT_EQ(FatVolumes(table, place.Path("no-labels")),
            (std::vector<Volume>{{"/media/REC ONE", ""}, {"/media/stick", ""}}));
}

TEST(MountTableTest, ReadsTheMountInfoFormat) {
  const auto entries = ParseMountInfo(
      "22 1 0:21 / /proc rw,nosuid shared:13 - proc proc rw\n"
      "41 29 8:17 / /media/me/REC\\040ONE rw,nosuid,relatime shared:1 master:2 - vfat "
      "/dev/sdb1 rw,uid=1000\n"
      "42 29 8:17 /VOICE /mnt/voice rw - vfat /dev/sdb1 rw\n"
      "43 29 8:18 / /mnt/x rw - msdos\n"  // no source: skipped
      "garbage\n"
      "44 29 8:19 / /mnt/y rw no-separator vfat /dev/sdc1 rw\n");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].type, "proc");
  EXPECT_EQ(entries[1].device, "/dev/sdb1");
  EXPECT_EQ(entries[1].mount_point, "/media/me/REC ONE");
  EXPECT_EQ(entries[1].type, "vfat");
  EXPECT_EQ(entries[1].options, "rw,nosuid,relatime");
  EXPECT_EQ(entries[1].mount_id, "41");
  EXPECT_EQ(entries[1].device_number, "8:17");
  EXPECT_EQ(entries[1].volume_folder, "/");
  EXPECT_EQ(entries[2].volume_folder, "/VOICE");
  EXPECT_EQ(entries[2].mount_point, "/mnt/voice");
}

// From /proc/self/mountinfo a volume is its device number: every place that reaches its root adds
// a mount, with the unique mount ID where there is one; a place that mounts one of its folders, or
// that is mounted over, does not count.
TEST(MountTableTest, FatVolumesWithTheirMounts) {
  const std::string table =
      "30 1 8:17 / /media/REC rw - vfat /dev/sdb1 rw\n"
      "31 1 8:17 /VOICE /mnt/voice rw - vfat /dev/sdb1 rw\n"
      "32 1 8:33 / /media/over rw - msdos /dev/sdc1 rw\n"
      "33 1 0:40 / /media/over rw - tmpfs tmpfs rw\n"
      "34 1 8:49 / /media/stick rw - vfat /dev/sdd1 rw\n"
      "35 1 8:17 / /mnt/bind rw - vfat /dev/sdb1 rw\n"
      // The same source, another device: another volume (a device node made anew, say).
      "36 1 8:65 / /media/other rw - vfat /dev/sdb1 rw\n";
  const auto unique = [](const MountEntry& entry) {
    return entry.mount_id == "34" ? std::string() : "10" + entry.mount_id;
  };
  EXPECT_EQ(FatVolumes(ParseMountInfo(table), "/no-labels", unique),
            (std::vector<Volume>{{"/media/REC", "", "8:17", {"30 8:17 1030", "35 8:17 1035"}},
                                 {"/media/stick", "", "8:49", {"34 8:49"}},
                                 {"/media/other", "", "8:65", {"36 8:65 1036"}}}));
  // Without unique IDs, and without the mountinfo fields: known by the mount point alone.
  EXPECT_EQ(FatVolumes(ParseMountInfo(table), "/no-labels")[0].mounts,
            (std::vector<std::string>{"30 8:17", "35 8:17"}));
  EXPECT_EQ(FatVolumes("/dev/sdb1 /media/REC vfat rw 0 0\n", "/no-labels"),
            (std::vector<Volume>{{"/media/REC", "", "", {}}}));
}

#ifndef _WIN32
// The kernel's unique ID of a mount: this system's root has one from Linux 6.8 on; a mount ID that
// is not the root's gives none.
TEST(MountTableTest, UniqueMountIdOfTheRoot) {
  MountEntry root;
  for (const MountEntry& entry : ParseMountInfo(ReadMountTable("/proc/self/mountinfo"))) {
    if (entry.mount_point == "/") root = entry;
  }
  if (root.mount_id.empty()) GTEST_SKIP() << "no /proc/self/mountinfo here";
  const std::string unique = UniqueMountId(root);
  EXPECT_TRUE(unique.empty() || unique.find_first_not_of("0123456789") == std::string::npos);
  MountEntry other = root;
  other.mount_id = "999999";
  EXPECT_EQ(UniqueMountId(other), "");
  RecordProperty("unique_mount_id", unique.empty() ? "none" : unique);
}

// Which of the watched mounts are gone when the watching begins; the thread notes the others as
// the mount table changes, which a test cannot make it do.
TEST(MountTableTest, DeparturesNotedFromTheStart) {
  std::vector<std::string> present = {"1 8:1", "2 8:2"};
  MountDepartures departures([&present] { return present; });
  departures.Watch({"1 8:1", "3 8:3", "2 8:2"});
  EXPECT_EQ(departures.Departed(), (std::vector<std::string>{"3 8:3"}));
  EXPECT_EQ(departures.Departed(), (std::vector<std::string>{}));
  departures.Watch({"1 8:1"});
  EXPECT_EQ(departures.Departed(), (std::vector<std::string>{}));
}
#endif

}  // namespace
}  // namespace device
