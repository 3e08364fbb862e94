#include "app/device_root.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_device.h"

namespace app {
namespace {

class ScriptedChooser : public ui::VolumeChooser {
 public:
  explicit ScriptedChooser(std::optional<std::size_t> answer) : answer_(answer) {}
  std::optional<std::size_t> Choose(const std::vector<device::Volume>& volumes) override {
    offered = volumes;
    return answer_;
  }
  std::vector<device::Volume> offered;

 private:
  std::optional<std::size_t> answer_;
};

// Two recorders on FAT volumes, one of them labelled, and an empty program folder.
class DeviceRootTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"program", "rec a", "rec b", "by-label"}) {
      std::filesystem::create_directory(place.Path(folder));
    }
    place.Write("rec a/ravlen_setting.ini", "4\r\n");
    std::filesystem::create_directory(place.Path("rec b/VOICE"));
    place.Write("sdb1", "");
    std::filesystem::create_symlink(place.Path("sdb1"), place.Path("by-label") / "REC_A");
    const std::string at = place.root().string() + "/";
    place.Write("mounts", at + "sdb1 " + at + "rec\\040a vfat rw 0 0\n" + at + "sdc1 " + at +
                              "rec\\040b vfat rw 0 0\n");
  }

  std::optional<std::filesystem::path> Find(ui::VolumeChooser& chooser) {
    return FindDeviceRoot(place.Path("program"), chooser,
                          {place.Path("mounts"), place.Path("by-label")});
  }

  testing_support::TempDevice place;
};

TEST_F(DeviceRootTest, TheUsersChoiceIsTheRoot) {
  ScriptedChooser chooser(1);
  EXPECT_EQ(Find(chooser), place.Path("rec b"));
  EXPECT_EQ(chooser.offered, (std::vector<device::Volume>{{place.Path("rec a"), "REC_A"},
                                                          {place.Path("rec b"), ""}}));
}

TEST_F(DeviceRootTest, CancellingGivesNoRoot) {
  ScriptedChooser chooser(std::nullopt);
  EXPECT_EQ(Find(chooser), std::nullopt);
}

}  // namespace
}  // namespace app
