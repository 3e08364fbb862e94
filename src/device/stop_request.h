#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace device {

// A stop asked for from another thread (Windows runs a console's Ctrl+C, Ctrl+Break and close on a
// thread of its own) while a Start may be writing. The Start is not cut off mid-write: waits for a
// busy file end at once, so that the write fails and removes its temporary file, and no new write
// begins. The thread that asked waits, for a bounded time, until the writes have cleaned up.
class StopSignal {
 public:
  void Request();
  bool Requested();

  // Sleeps for `duration`, or less when a stop is asked for; returns false once one is.
  bool SleepUnlessStopped(std::chrono::milliseconds duration);
  // Waits up to `longest` for every WriteSection to end; returns whether they all did.
  bool WaitForWritesToEnd(std::chrono::milliseconds longest);

 private:
  friend class WriteSection;

  std::mutex mutex_;
  std::condition_variable changed_;
  bool stop_ = false;
  int writes_ = 0;
};

// The program's one signal: the console's handler asks, the device's writes listen.
StopSignal& ProgramStop();

// Everything a Start writes happens while one lives. Begins only while no stop is asked for:
// else it throws RuntimeFailure.
class WriteSection {
 public:
  explicit WriteSection(StopSignal& signal = ProgramStop());
  ~WriteSection();
  WriteSection(const WriteSection&) = delete;
  WriteSection& operator=(const WriteSection&) = delete;

 private:
  StopSignal& signal_;
};

}  // namespace device
