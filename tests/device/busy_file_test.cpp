// Virus scanners and indexers hold newly written files on a removable drive open for a moment.
// A file that another handle holds open (sharing reading and writing, not deletion) delays its
// replacement or deletion instead of failing it, up to the retry deadline; past it the operation
// fails as it always did and the device is left as it was.

#include "device/windows_headers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "device/busy_retry_windows.h"
#include "device/errors.h"
#include "device/file_system.h"
#include "device/wide_text.h"
#include "device_layout.h"

namespace device {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;
using namespace testing;

// A file held open as a scanner holds it, until LetGo or for `hold` at most.
class HeldFile {
 public:
  HeldFile(const std::filesystem::path& path, milliseconds hold)
      : file_(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr)),
        let_go_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        closer_([this, hold] {
          ::WaitForSingleObject(let_go_, static_cast<DWORD>(hold.count()));
          if (held()) ::CloseHandle(file_);
        }) {}
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  ~HeldFile() {
    LetGo();
    closer_.join();
    ::CloseHandle(let_go_);
  }

  bool held() const { return file_ != INVALID_HANDLE_VALUE; }
  void LetGo() { ::SetEvent(let_go_); }

 private:
  const HANDLE file_;
  const HANDLE let_go_;
  std::thread closer_;
};

// The system's text for an error as a DeviceError quotes it: without the final full stop.
std::string SystemText(DWORD error) {
  wchar_t text[512];
  DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, text, sizeof text / sizeof text[0], nullptr);
  while (length > 0 && std::wstring_view(L"\r\n .").find(text[length - 1]) != std::wstring::npos) {
    --length;
  }
  return Utf8FromWide(std::wstring_view(text, length));
}

constexpr std::string_view kBak = "\\ravlen_setting.bak";
constexpr std::string_view kBakTemporary = "\\ravlen_setting.bak.tmp";
constexpr std::string_view kIni = "\\ravlen_setting.ini";
constexpr std::string_view kClock = "\\date_time.cfg";

constexpr milliseconds kBriefHold{1000};
// Held past the deadline, a file is let go as soon as the operation has failed.
constexpr milliseconds kLongHold{10000};
// For the clocks of two threads to disagree by.
constexpr milliseconds kSlack{50};

// SetAttributes has no row: attribute access is not subject to sharing, and Wine changes the
// attributes of a held file at once.
struct Case {
  const char* name;
  std::vector<FileSpec> files;
  std::string_view target;
  std::optional<std::string_view> line;  // written by WriteLine; none: RemoveFile deletes it
  std::string_view held;
  std::string_view held_from;     // the step at which it is taken hold of; empty: before the start
  std::vector<EntryState> after;  // once the file is let go in time
  DWORD error;                    // that the system reports for the held file
  milliseconds long_hold = kLongHold;
};

std::vector<Case> Cases() {
  const FileSpec old_bak = {kBak, "6 old\r\n", kHiddenBit};
  const EntryState new_bak = {"ravlen_setting.bak", "6 new\r\n", kHiddenBit, false};
  return {
      {"the hidden .bak that WriteLine replaces",
       {old_bak},
       kBak,
       "6 new",
       kBak,
       "",
       {new_bak},
       ERROR_ACCESS_DENIED},
      {"the clock file that WriteLine replaces",
       {{kClock, "1999 01 01 00 00 00\r\n"}},
       kClock,
       "2026 12 07 09 05 03",
       kClock,
       "",
       {{"date_time.cfg", "2026 12 07 09 05 03\r\n", 0, false}},
       ERROR_ACCESS_DENIED},
      {"the .ini that RemoveFile deletes",
       {{kIni, "6 old\r\n"}},
       kIni,
       std::nullopt,
       kIni,
       "",
       {},
       ERROR_SHARING_VIOLATION},
      // Held from the rename on, once the temporary file is closed, and past the deadline let go
      // only while the failed write is removing that file again.
      {"the temporary file that WriteLine renames",
       {old_bak},
       kBak,
       "6 new",
       kBakTemporary,
       "rename",
       {new_bak},
       ERROR_SHARING_VIOLATION,
       kBusyDeadline + milliseconds(300)},
  };
}

// Runs the case's operation with its file held for `hold` from its step on; returns the message
// of its failure, or nothing.
std::string RunHeld(const Case& c, const TempDevice& device, milliseconds hold,
                    steady_clock::duration& elapsed) {
  std::optional<HeldFile> held;
  const auto take_hold = [&] {
    held.emplace(device.Path(NameOf(c.held)), hold);
    if (!held->held()) ADD_FAILURE() << "cannot hold " << c.held;
  };
  if (c.held_from.empty()) take_hold();
  FileSystem file_system(device.root(), [&](std::string_view step, std::string_view) {
    if (step == c.held_from && !held) take_hold();
  });
  const auto start = steady_clock::now();
  std::string message;
  try {
    if (c.line) {
      file_system.WriteLine(c.target, *c.line);
    } else {
      file_system.RemoveFile(c.target);
    }
  } catch (const DeviceError& error) {
    message = error.what();
  }
  elapsed = steady_clock::now() - start;
  return message;
}

TEST(BusyFileTest, AFileLetGoWithinTheDeadlineIsReplacedOrDeleted) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    TempDevice device;
    Lay(device, c.files);
    steady_clock::duration elapsed{};
    EXPECT_EQ(RunHeld(c, device, kBriefHold, elapsed), "");
    EXPECT_GE(elapsed, kBriefHold - kSlack) << "the held file did not stop it";
    EXPECT_EQ(Snapshot(device), c.after);
  }
}

TEST(BusyFileTest, AFileHeldPastTheDeadlineFailsAndChangesNothing) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    TempDevice device;
    Lay(device, c.files);
    const auto before = Snapshot(device);
    steady_clock::duration elapsed{};
    const DeviceError failure(c.line ? "write" : "delete", std::string(c.target),
                              SystemText(c.error));
    EXPECT_EQ(RunHeld(c, device, c.long_hold, elapsed), failure.what());
    EXPECT_GE(elapsed, kBusyDeadline - kSlack);
    EXPECT_LT(elapsed, kBusyDeadline + milliseconds(1000));
    EXPECT_EQ(Snapshot(device), before);
  }
}

}  // namespace
}  // namespace device
