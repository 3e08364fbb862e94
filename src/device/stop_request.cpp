#include "device/stop_request.h"

#include <condition_variable>
#include <mutex>

#include "device/errors.h"

namespace device {
namespace {

// One state for the process: the thread that asks for the stop is not the one that writes.
struct StopState {
  std::mutex mutex;
  std::condition_variable changed;
  bool stop = false;
  int writes = 0;
};

StopState& State() {
  static StopState state;
  return state;
}

}  // namespace

void RequestStop() {
  StopState& state = State();
  {
    const std::lock_guard lock(state.mutex);
    state.stop = true;
  }
  state.changed.notify_all();
}

bool StopRequested() {
  StopState& state = State();
  const std::lock_guard lock(state.mutex);
  return state.stop;
}

bool SleepUnlessStopped(std::chrono::milliseconds duration) {
  StopState& state = State();
  std::unique_lock lock(state.mutex);
  return !state.changed.wait_for(lock, duration, [&] { return state.stop; });
}

bool WaitForWritesToEnd(std::chrono::milliseconds longest) {
  StopState& state = State();
  std::unique_lock lock(state.mutex);
  return state.changed.wait_for(lock, longest, [&] { return state.writes == 0; });
}

WriteSection::WriteSection() {
  StopState& state = State();
  const std::lock_guard lock(state.mutex);
  if (state.stop) throw RuntimeFailure("Stopped before writing.");
  ++state.writes;
}

WriteSection::~WriteSection() {
  StopState& state = State();
  {
    const std::lock_guard lock(state.mutex);
    --state.writes;
  }
  state.changed.notify_all();
}

}  // namespace device
