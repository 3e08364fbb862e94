#include "device/device_lock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cwctype>
#include <filesystem>
#include <future>
#include <string>
#include <thread>

#include "device/errors.h"
#ifdef _WIN32
#include "device/device_lock_windows.h"
#endif
#include "support/temp_device.h"

namespace device {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;
using support::TempDevice;

// For the clocks of two threads to disagree by.
constexpr milliseconds kSlack{50};

// The lock on `root`, taken by another thread, with a descriptor or handle of its own as another
// program has, and held for `hold`.
class HeldElsewhere {
 public:
  HeldElsewhere(const std::filesystem::path& root, milliseconds hold) {
    std::promise<void> taken;
    std::future<void> is_taken = taken.get_future();
    thread_ = std::thread([root, hold, &taken] {
      const DeviceLock lock(root);
      taken.set_value();
      std::this_thread::sleep_for(hold);
    });
    is_taken.wait();
  }
  HeldElsewhere(const HeldElsewhere&) = delete;
  HeldElsewhere& operator=(const HeldElsewhere&) = delete;
  ~HeldElsewhere() { thread_.join(); }

 private:
  std::thread thread_;
};

// Whether another thread could take the lock on `root` at once.
bool FreeElsewhere(const std::filesystem::path& root) {
  const auto take = [&root] {
    try {
      const DeviceLock lock(root, milliseconds(0));
      return true;
    } catch (const RuntimeFailure&) {
      return false;
    }
  };
  return std::async(std::launch::async, take).get();
}

TEST(DeviceLockTest, WaitsForAnotherHolderUntilItsDeadline) {
  struct Case {
    const char* name;
    milliseconds held;
    milliseconds wait;
    bool taken;
  };
  const Case cases[] = {
      {"let go within the wait", milliseconds(300), milliseconds(5000), true},
      {"held past the wait", milliseconds(1500), milliseconds(300), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDevice device;
    const HeldElsewhere other(device.root(), c.held);
    const auto began = steady_clock::now();
    std::string failure;
    try {
      const DeviceLock lock(device.root(), c.wait);
    } catch (const RuntimeFailure& error) {
      failure = error.what();
    }
    const auto waited = steady_clock::now() - began;
    if (c.taken) {
      EXPECT_EQ(failure, "");
      EXPECT_GE(waited, c.held - kSlack);
      EXPECT_LT(waited, c.wait);
    } else {
      EXPECT_EQ(failure, kDeviceBusyMessage);
      EXPECT_GE(waited, c.wait - kSlack);
      EXPECT_LT(waited, c.held);
    }
  }
}

TEST(DeviceLockTest, TheThreadThatHoldsItTakesItAgainAtOnce) {
  TempDevice device;
  {
    const DeviceLock outer(device.root());
    {
      // Named another way, the folder is the same recorder.
      const DeviceLock inner(device.root() / ".", milliseconds(0));
      EXPECT_FALSE(FreeElsewhere(device.root()));
    }
    // The inner lock's end leaves the outer one held.
    EXPECT_FALSE(FreeElsewhere(device.root()));
  }
  EXPECT_TRUE(FreeElsewhere(device.root()));
}

#ifdef _WIN32
// Every session's programs share the lock. A folder has one name however it is written, and a
// folder below it is another recorder with a lock of its own, however long its path.
TEST(DeviceLockTest, OneNamePerFolderInTheSharedNamespace) {
  TempDevice device;
  const std::wstring name = DeviceLockName(device.root());
  EXPECT_EQ(name.rfind(L"Global\\", 0), 0u);
  std::wstring capitals = device.root().wstring() + L"\\";
  for (wchar_t& c : capitals) c = static_cast<wchar_t>(std::towupper(c));
  EXPECT_EQ(DeviceLockName(capitals), name);
  const std::filesystem::path deep = device.root() / std::string(300, 'x');
  EXPECT_NE(DeviceLockName(deep), name);
  EXPECT_EQ(DeviceLockName(deep / ""), DeviceLockName(deep));
}
#endif

}  // namespace
}  // namespace device
