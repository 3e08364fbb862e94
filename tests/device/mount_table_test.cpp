#include "device/mount_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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
  if (!testing_support::CanMakeSymlinks()) GTEST_SKIP() << "symbolic links cannot be made here";
  testing_support::TempDevice place;
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

}  // namespace
}  // namespace device
