#include "device/mounted_volumes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_device.h"

namespace device {
namespace {

// Two FAT volumes in a mount table, one of them labelled, and one volume of another type.
TEST(MountedVolumesTest, TheFatVolumesOfTheMountTableWithTheirLabels) {
  support::TempDevice place;
  for (const char* folder : {"rec a", "rec b", "home", "by-label"}) {
    std::filesystem::create_directory(place.Path(folder));
  }
  place.Write("sdb1", "");
  std::filesystem::create_symlink(place.Path("sdb1"), place.Path("by-label") / "REC_A");
  const std::string at = place.root().string() + "/";
  // In the format of /proc/self/mountinfo, which gives each its mount ID and device number (the
  // unique mount ID, asked of the kernel, is none for these made-up mounts).
  place.Write("mountinfo", "41 1 8:17 / " + at + "rec\\040a rw - vfat " + at + "sdb1 rw\n" +
                               "42 1 8:2 / " + at + "home rw - ext4 " + at + "sda2 rw\n" +
                               "43 1 8:33 / " + at + "rec\\040b rw - vfat " + at + "sdc1 rw\n");
  const VolumeSource volumes = MountedFatVolumes({place.Path("mountinfo"), place.Path("by-label")});
  EXPECT_EQ(volumes(), (std::vector<Volume>{{place.Path("rec a"), "REC_A", "8:17", {"41 8:17"}},
                                            {place.Path("rec b"), "", "8:33", {"43 8:33"}}}));
}

}  // namespace
}  // namespace device
