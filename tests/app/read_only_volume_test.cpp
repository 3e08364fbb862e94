#include <sys/mount.h>

#include <cerrno>
#include <cstring>

#include "program_fixture.h"

namespace app {
namespace {

// A recorder whose volume is mounted read-only: a write-protect switch, or a volume the system
// found damaged.
class ReadOnlyVolumeTest : public ProgramTest {
 protected:
  void SetUp() override {
    const char* root = device.root().c_str();
    if (::mount("tmpfs", root, "tmpfs", 0, "size=64k,mode=0755") != 0) {
      GTEST_SKIP() << "cannot mount a volume as the device root: " << std::strerror(errno);
    }
    mounted_ = true;
    device.Write("ravlen_setting.ini", kLine + "\r\n");
    if (::mount(nullptr, root, nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
      GTEST_SKIP() << "cannot make the volume read-only: " << std::strerror(errno);
    }
  }

  void TearDown() override {
    if (mounted_) ::umount2(device.root().c_str(), MNT_DETACH);
  }

  const std::string kLine =
      "40111111111111111"
      "3"
      "0000000000000"
      "0"
      "FW 4.01";
  bool mounted_ = false;
};

TEST_F(ReadOnlyVolumeTest, StartNamesTheClockFileAndTouchesNothing) {
  StartUp();
  ASSERT_EQ(screen.WindowName(), "Form12");
  screen.PressStart();
  EXPECT_EQ(quits, std::vector<int>{kExitRuntimeFailure});
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("\\date_time.cfg"), std::string::npos) << messages[0];
  EXPECT_NE(messages[0].find("Read-only file system"), std::string::npos) << messages[0];
  EXPECT_EQ(device.Names(), std::vector<std::string>{"ravlen_setting.ini"});
  EXPECT_EQ(device.Read("ravlen_setting.ini"), kLine + "\r\n");
}

TEST_F(ReadOnlyVolumeTest, TheStartScreensStartFailsTheSameWay) {
  ::umount2(device.root().c_str(), MNT_DETACH);
  mounted_ = false;
  if (::mount("tmpfs", device.root().c_str(), "tmpfs", MS_RDONLY, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount a read-only volume: " << std::strerror(errno);
  }
  mounted_ = true;
  StartUp();
  ASSERT_EQ(screen.WindowName(), "Form1");
  screen.PressStart();
  EXPECT_EQ(quits, std::vector<int>{kExitRuntimeFailure});
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("\\date_time.cfg"), std::string::npos) << messages[0];
  EXPECT_TRUE(device.Names().empty());
}

}  // namespace
}  // namespace app
