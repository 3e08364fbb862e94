#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/front_end.h"
#include "app/write_record.h"
#include "device/clock.h"
#include "device/file_system.h"

namespace screens {
struct ScreenDescription;
}

namespace app {

// Exit statuses of the program.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitRuntimeFailure = 2;
inline constexpr int kExitUsage = 64;

// The running program: the device, the clock, the front end, the one open window, and the one
// place where a failure becomes a message and an exit status.
class Program {
 public:
  Program(device::FileSystem& file_system, const device::Clock& clock, FrontEnd& front_end);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  device::FileSystem& file_system() { return file_system_; }
  const device::Clock& clock() const { return clock_; }
  FrontEnd& front_end() { return front_end_; }

  // Runs an event handler. A file error shows the screen's message and ends the program with
  // status 1; a run-time failure shows a message naming it and ends with status 2. Each message
  // also goes to stderr, in the language in use; the write's record gets it in English. Once the
  // program has ended no handler runs.
  void Run(const std::function<void()>& handler);
  // Makes a click on `button` of `window` run `handler` through Run.
  void OnClick(Window& window, std::string_view button, std::function<void()> handler);
  // Refreshes the live clock label of `window` from the clock every 100 ms.
  void StartLiveClock(Window& window);

  // Ends the program at once: the open window closes and the event loop stops.
  void End(int status);

  // Tells `observer` of each write to the recorder when the program ends after it.
  void ObserveWrites(WriteObserver observer) { write_observer_ = std::move(observer); }
  // A Start begins to write: what it writes goes into the record returned, which the observer
  // gets with the status and message the program ends with.
  WriteRecord& BeginWrite();

  // Closes the open window, then shows `window` in its place, the window of `screen` when it is a
  // settings screen. Closing it by the user ends the program without writing anything.
  void Show(std::unique_ptr<Window> window, const screens::ScreenDescription* screen = nullptr);
  // Closes the open window without ending the program, before the next one loads.
  void CloseWindow();

  Window* window() const { return window_.get(); }
  // The settings screen that the open window shows, or none.
  const screens::ScreenDescription* screen() const { return window_ ? screen_ : nullptr; }
  std::optional<int> exit_status() const { return exit_status_; }
  // The message of the failure that ended the program in English, whatever the language in use,
  // for records and scripts; "" where none did.
  const std::string& failure_in_english() const { return failure_in_english_; }

 private:
  // Ends the program with `status`, showing `shown`; `english` is the same message in English.
  void Fail(const std::string& shown, const std::string& english, int status);
  void EndWrite(int status, const std::string& message);

  device::FileSystem& file_system_;
  const device::Clock& clock_;
  FrontEnd& front_end_;
  std::unique_ptr<Window> window_;
  const screens::ScreenDescription* screen_ = nullptr;
  // Windows closed while one of their own handlers may still be running: destroyed when the
  // next handler starts, or with the program.
  std::vector<std::unique_ptr<Window>> closed_;
  int running_handlers_ = 0;
  std::optional<int> exit_status_;
  std::string failure_in_english_;
  WriteObserver write_observer_;
  std::optional<WriteRecord> write_;
};

}  // namespace app
