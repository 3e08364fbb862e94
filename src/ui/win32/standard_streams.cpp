#include "ui/win32/standard_streams.h"

#include <cstdio>
#include <iostream>

#include "ui/win32/console_text_buffer.h"

namespace ui::win32 {
namespace {

bool Inherited(DWORD stream) {
  const HANDLE handle = ::GetStdHandle(stream);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// The console behind a standard handle, or none when it leads to a pipe, a file or nowhere.
HANDLE ConsoleOf(DWORD stream) {
  const HANDLE handle = ::GetStdHandle(stream);
  DWORD mode = 0;
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || !::GetConsoleMode(handle, &mode)) {
    return nullptr;
  }
  return handle;
}

// Sends a stream that ends on a console through a wide-text buffer. The buffer is never freed:
// the streams are flushed at exit, after every other object is gone.
void WriteWideToConsole(std::ostream& stream, DWORD handle) {
  if (const HANDLE console = ConsoleOf(handle)) {
    stream.flush();
    stream.rdbuf(new ConsoleTextBuffer(console));
  }
}

// A windowed program started from a console has no standard handles: the streams are opened on
// the console of the parent, when there is one.
void AttachToParentConsole() {
  const bool output = Inherited(STD_OUTPUT_HANDLE);
  const bool error = Inherited(STD_ERROR_HANDLE);
  if (output && error) return;
  if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (!output && std::freopen("CONOUT$", "w", stdout) != nullptr) {
    ::SetStdHandle(STD_OUTPUT_HANDLE, ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                    OPEN_EXISTING, 0, nullptr));
    std::cout.clear();
  }
  if (!error && std::freopen("CONOUT$", "w", stderr) != nullptr) {
    ::SetStdHandle(STD_ERROR_HANDLE, ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                   OPEN_EXISTING, 0, nullptr));
    std::setvbuf(stderr, nullptr, _IONBF, 0);
    std::cerr.clear();
  }
}

}  // namespace

void ConnectStandardStreams() {
  AttachToParentConsole();
  WriteWideToConsole(std::cout, STD_OUTPUT_HANDLE);
  WriteWideToConsole(std::cerr, STD_ERROR_HANDLE);
}

}  // namespace ui::win32
