// A real full or write-protected volume in the middle of a Start: a tmpfs mounted as the device
// root. Linux only, and only where the tests may mount (as root).

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "device/clock_file.h"
#include "device/errors.h"
#include "device/settings_line.h"
#include "device/write_back.h"
#include "device_layout.h"

namespace device {
namespace {

using namespace testing;
using namespace testing::model4;

// A tmpfs of four pages mounted as the device root, to meet a full or write-protected volume for
// real.
class MountedDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::mount("tmpfs", device_.root().c_str(), "tmpfs", 0, options_.c_str()) != 0) {
      GTEST_SKIP() << "cannot mount a tmpfs as the device root: " << std::strerror(errno);
    }
    mounted_ = true;
  }

  void TearDown() override {
    if (mounted_ && ::umount2(device_.root().c_str(), 0) != 0) {
      ::umount2(device_.root().c_str(), MNT_DETACH);
    }
  }

  // Fills the volume with one-page files until nothing more fits, then frees `free_pages` pages.
  void Fill(int free_pages) {
    const std::string page(kPageSize, 'f');
    std::vector<std::string> fillers;
    for (int i = 0;; ++i) {
      const std::string name = "filler" + std::to_string(i);
      const int fd = ::open(device_.Path(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      ASSERT_GE(fd, 0) << std::strerror(errno);
      const ssize_t written = ::write(fd, page.data(), page.size());
      ::close(fd);
      if (written != static_cast<ssize_t>(page.size())) {
        std::filesystem::remove(device_.Path(name));
        break;
      }
      fillers.push_back(name);
    }
    ASSERT_GE(static_cast<int>(fillers.size()), free_pages);
    for (int i = 0; i < free_pages; ++i) std::filesystem::remove(device_.Path(fillers[i]));
  }

  const std::size_t kPageSize = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  const std::string options_ = "size=" + std::to_string(4 * kPageSize) + ",mode=0755";
  TempDevice device_;
  bool mounted_ = false;
};

class FullDeviceTest : public MountedDevice, public ::testing::WithParamInterface<int> {};

TEST_P(FullDeviceTest, TheSettingsLineSurvivesWhole) {
  const int free_pages = GetParam();
  device_.Write("ravlen_setting.ini", kOldLine + "\r\n");
  Fill(free_pages);
  if (HasFatalFailure()) return;

  FileSystem file_system(device_.root());
  EXPECT_THROW(CommitSettings(file_system, FixedClock(kSomeTime), kBlock), DeviceError);
  EXPECT_EQ(device_.Read("ravlen_setting.ini"), kOldLine + "\r\n");
  EXPECT_EQ(LookUpSettingsLine(file_system).bytes(), kOldLine);
  EXPECT_FALSE(device_.Exists("ravlen_setting.bak"));
  // With one page free the clock file fits and the write-back is what fails.
  EXPECT_EQ(device_.Exists(kClockName), free_pages > 0);
  if (free_pages > 0) {
    EXPECT_EQ(device_.Read(kClockName), kClockLine);
  }
  for (const std::string& name : device_.Names()) {
    EXPECT_TRUE(name.starts_with("filler") || name == "ravlen_setting.ini" ||
                name == "date_time.cfg")
        << name << " was left behind";
  }
}

INSTANTIATE_TEST_SUITE_P(FreePages, FullDeviceTest, ::testing::Values(0, 1),
                         [](const auto& info) { return "Pages" + std::to_string(info.param); });

using ReadOnlyDeviceTest = MountedDevice;

TEST_F(ReadOnlyDeviceTest, NothingIsTouched) {
  device_.Write("ravlen_setting.ini", kOldLine + "\r\n");
  device_.Write("ravlen_setting.bak", "4 stale backup\r\n");
  device_.SetDosBits("ravlen_setting.bak", kHiddenBit);
  device_.Write(kClockName, "1999 01 01 00 00 00\r\n");
  ASSERT_EQ(
      ::mount("tmpfs", device_.root().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, options_.c_str()),
      0)
      << std::strerror(errno);
  const auto before = Snapshot(device_);

  FileSystem file_system(device_.root());
  EXPECT_THROW(WriteClockFile(file_system, FixedClock(kSomeTime)), DeviceError);
  EXPECT_THROW(CommitSettings(file_system, FixedClock(kSomeTime), kBlock), DeviceError);
  EXPECT_EQ(Snapshot(device_), before);
  EXPECT_EQ(LookUpSettingsLine(file_system).bytes(), kOldLine);
}

}  // namespace
}  // namespace device
