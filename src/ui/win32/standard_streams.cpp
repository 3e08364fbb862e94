#include "ui/win32/standard_streams.h"

#include <cstdio>
#include <iostream>
#include <sstream>

#include "ui/win32/console_text_buffer.h"

namespace ui::win32 {
namespace {

// Standard error while it leads nowhere.
std::stringbuf unseen_errors;
bool errors_unseen = false;

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

// How many processes share the program's console: 0 without one.
DWORD ProcessesOnConsole() {
  DWORD processes[2];
  return ::GetConsoleProcessList(processes, 2);
}

// Sends a stream through a buffer that writes UTF-8 as the place it leads to reads it. The
// buffers are never freed: the streams are flushed at exit, after every other object is gone.
void Connect(std::ostream& stream, DWORD handle, UINT code_page) {
  stream.flush();
  if (const HANDLE console = ConsoleOf(handle)) {
    stream.rdbuf(new ConsoleTextBuffer(console));
  } else if (Inherited(handle)) {
    if (code_page != 0 && code_page != CP_UTF8)
      stream.rdbuf(new CodePageTextBuffer(stream.rdbuf(), code_page));
  } else if (handle == STD_ERROR_HANDLE) {
    stream.rdbuf(&unseen_errors);
    stream.clear();
    errors_unseen = true;
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

bool LeaveOwnConsole() {
  if (ProcessesOnConsole() != 1) return false;
  const DWORD streams[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
  bool on_console[3];
  for (int i = 0; i < 3; ++i) on_console[i] = ConsoleOf(streams[i]) != nullptr;
  if (!::FreeConsole()) return false;
  // The console's handles are no more; a stream left on one would write nowhere.
  for (int i = 0; i < 3; ++i) {
    if (on_console[i]) ::SetStdHandle(streams[i], nullptr);
  }
  return true;
}

void ConnectStandardStreams(bool utf8_output) {
  AttachToParentConsole();
  const UINT code_page = ProcessesOnConsole() > 0 ? ::GetConsoleOutputCP() : 0;
  Connect(std::cout, STD_OUTPUT_HANDLE, utf8_output ? CP_UTF8 : code_page);
  Connect(std::cerr, STD_ERROR_HANDLE, code_page);
}

std::string UnseenErrorText() {
  return errors_unseen ? unseen_errors.str() : std::string();
}

}  // namespace ui::win32
