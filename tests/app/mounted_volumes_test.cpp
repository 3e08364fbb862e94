#include "app/mounted_volumes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_device.h"

namespace app {
namespace {

// Two FAT volumes in a mount table, one of them labelled, and one volume of another type.
TEST(MountedVolumesTest, TheFatVolumesOfTheMountTableWithTheirLabels) {
  testing_support::TempDevice place;
  for (const char* folder : {"rec a", "rec b", "home", "by-label"}) {
    std::filesystem::create_directory(place.Path(folder));
  }
  place.Write("sdb1", "");
  std::filesystem::create_symlink(place.Path("sdb1"), place.Path("by-label") / "REC_A");
  const std::string at = place.root().string() + "/";
  place.Write("mounts", at + "sdb1 " + at + "rec\\040a vfat rw 0 0\n" + at + "sda2 " + at +
                            "home ext4 rw 0 0\n" + at + "sdc1 " + at + "rec\\040b vfat rw 0 0\n");
  const device::VolumeSource volumes =
      MountedFatVolumes({place.Path("mounts"), place.Path("by-label")});
  EXPECT_EQ(volumes(), (std::vector<device::Volume>{{place.Path("rec a"), "REC_A"},
                                                    {place.Path("rec b"), ""}}));
}

}  // namespace
}  // namespace app
