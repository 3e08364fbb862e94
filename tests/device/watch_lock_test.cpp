#include "device/watch_lock.h"

#include <gtest/gtest.h>

#include <future>
#include <optional>
#include <string>

#ifdef _WIN32
#include "device/windows_headers.h"
#else
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#endif

#include "support/temp_device.h"

namespace device {
namespace {

using State = WatchLock::State;

#ifdef _WIN32
using Place = std::wstring;
// A name of the tests' own, so that a watch running on the machine does not count.
Place TestPlace(const support::TempDevice&) {
  return L"Global\\datetime-cfg-creator-watch-test-" + std::to_wstring(::GetCurrentProcessId());
}
#else
using Place = std::filesystem::path;
Place TestPlace(const support::TempDevice& folder) {
  ::chmod(folder.root().c_str(), 0700);
  return folder.root();
}
#endif

// The state that a second watch finds: another thread, with a descriptor or a handle of its own.
State StateElsewhere(const Place& place) {
  return std::async(std::launch::async, [&place] { return WatchLock(place).state(); }).get();
}

// The first watch holds it, a second finds it held, and it goes with the first.
TEST(WatchLockTest, OneWatchAtATime) {
  const support::TempDevice folder;
  const Place place = TestPlace(folder);
  std::optional<WatchLock> first(place);
  ASSERT_EQ(first->state(), State::kHeld) << first->problem();
  EXPECT_EQ(StateElsewhere(place), State::kHeldByOther);
  first.reset();
  EXPECT_EQ(StateElsewhere(place), State::kHeld);
}

// The user's own lock can be taken where the tests run (a runtime folder, or the SID's mutex).
TEST(WatchLockTest, TheUsersLockCanBeTaken) {
  const WatchLock lock;
  EXPECT_NE(lock.state(), State::kUnavailable) << lock.problem();
}

#ifndef _WIN32
constexpr char kName[] = "datetime-cfg-creator-watch.lock";

// What others could have put in the user's place is never used: the watch goes on without a lock
// rather than follow a link, open a FIFO or take a file that others may read or write.
TEST(WatchLockTest, RefusesWhatIsNotTheUsersOwn) {
  struct Case {
    const char* what;
    std::function<void(const std::filesystem::path&)> lay_out;
  };
  const Case cases[] = {
      {"a folder that others may enter", [](const auto& folder) { ::chmod(folder.c_str(), 0755); }},
      {"a symbolic link to a file elsewhere",
       [](const auto& folder) {
         std::filesystem::create_symlink(folder / "target", folder / kName);
       }},
      {"a file that others may read",
       [](const auto& folder) {
         std::ofstream(folder / kName).put('x');
         ::chmod((folder / kName).c_str(), 0644);
       }},
      {"a folder in its place",
       [](const auto& folder) { std::filesystem::create_directory(folder / kName); }},
      {"a FIFO in its place", [](const auto& folder) { ::mkfifo((folder / kName).c_str(), 0600); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const support::TempDevice folder;
    c.lay_out(TestPlace(folder));
    const WatchLock lock(folder.root());
    EXPECT_EQ(lock.state(), State::kUnavailable);
    EXPECT_NE(lock.problem().find(folder.root().string()), std::string::npos) << lock.problem();
    EXPECT_FALSE(std::filesystem::exists(folder.Path("target")));
  }
}

// Made under any umask, the lock file is the user's to read and write and no one else's.
TEST(WatchLockTest, TheFileHasMode0600) {
  const support::TempDevice folder;
  const mode_t umask = ::umask(0277);
  const WatchLock lock(TestPlace(folder));
  ::umask(umask);
  ASSERT_EQ(lock.state(), State::kHeld) << lock.problem();
  struct stat status {};
  ASSERT_EQ(::stat(folder.Path(kName).c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0600u);
}
#endif

}  // namespace
}  // namespace device
