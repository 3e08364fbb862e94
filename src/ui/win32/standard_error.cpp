#include "ui/win32/standard_error.h"

#include <cstdio>
#include <iostream>

#include "ui/win32/windows_api.h"

namespace win32 {

void ConnectStandardError() {
  const HANDLE inherited = ::GetStdHandle(STD_ERROR_HANDLE);
  if (inherited != nullptr && inherited != INVALID_HANDLE_VALUE &&
      ::GetFileType(inherited) != FILE_TYPE_UNKNOWN) {
    return;
  }
  if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (std::freopen("CONOUT$", "w", stderr) == nullptr) return;
  std::setvbuf(stderr, nullptr, _IONBF, 0);
  std::cerr.clear();
}

}  // namespace win32
