#include "ui/win32/standard_streams.h"

#include <cstdio>
#include <iostream>

#include "ui/win32/windows_api.h"

namespace win32 {
namespace {

bool Inherited(DWORD stream) {
  const HANDLE handle = ::GetStdHandle(stream);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void ConnectStandardStreams() {
  const bool output = Inherited(STD_OUTPUT_HANDLE);
  const bool error = Inherited(STD_ERROR_HANDLE);
  if (output && error) return;
  if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (!output && std::freopen("CONOUT$", "w", stdout) != nullptr) std::cout.clear();
  if (!error && std::freopen("CONOUT$", "w", stderr) != nullptr) {
    std::setvbuf(stderr, nullptr, _IONBF, 0);
    std::cerr.clear();
  }
}

}  // namespace win32
