#include "device/stop_request.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#include "device/errors.h"

namespace device {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// A stop asked for on another thread, as a console's Ctrl+C is: the write that has begun wakes
// from its wait at once, the stop waits until it has cleaned up, and no write begins after it.
TEST(StopSignalTest, WaitsForTheWriteUnderWayAndRefusesNewOnes) {
  StopSignal signal;
  std::optional<WriteSection> writing(std::in_place, signal);
  EXPECT_FALSE(signal.WaitForWritesToEnd(milliseconds(10)));
  std::atomic<bool> cleaned_up = false;
  steady_clock::duration slept{};
  std::thread writer([&] {
    const auto before = steady_clock::now();
    EXPECT_FALSE(signal.SleepUnlessStopped(milliseconds(10000)));  // a busy file's retry
    slept = steady_clock::now() - before;
    cleaned_up = true;
    writing.reset();
  });
  signal.Request();
  EXPECT_TRUE(signal.WaitForWritesToEnd(milliseconds(5000)));
  EXPECT_TRUE(cleaned_up);
  writer.join();
  EXPECT_LT(slept, milliseconds(5000));
  EXPECT_THROW(WriteSection{signal}, RuntimeFailure);
  EXPECT_FALSE(signal.SleepUnlessStopped(milliseconds(10000)));
  EXPECT_TRUE(signal.WaitForWritesToEnd(milliseconds(0)));
}

}  // namespace
}  // namespace device
