#include "device/stop_request.h"

#include "device/errors.h"
#include "language/message.h"

namespace device {

void StopSignal::Request() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
}

bool StopSignal::Requested() {
  const std::lock_guard lock(mutex_);
  return stop_;
}

bool StopSignal::SleepUnlessStopped(std::chrono::milliseconds duration) {
  std::unique_lock lock(mutex_);
  return !changed_.wait_for(lock, duration, [this] { return stop_; });
}

bool StopSignal::WaitForWritesToEnd(std::chrono::milliseconds longest) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, longest, [this] { return writes_ == 0; });
}

StopSignal& ProgramStop() {
  static StopSignal signal;
  return signal;
}

WriteSection::WriteSection(StopSignal& signal) : signal_(signal) {
  const std::lock_guard lock(signal_.mutex_);
  if (signal_.stop_)
    throw RuntimeFailure(language::Message(language::ToTranslate("Stopped before writing.")));
  ++signal_.writes_;
}

WriteSection::~WriteSection() {
  {
    const std::lock_guard lock(signal_.mutex_);
    --signal_.writes_;
  }
  signal_.changed_.notify_all();
}

}  // namespace device
