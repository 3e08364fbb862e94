// Holds a file open as a virus scanner does (others may read and write it, not delete or replace
// it), for scripts/lib/wine_console.sh's Ctrl+C during a Start:
//   hold_file WINDOWS_PATH MILLISECONDS
// Prints "held" once it holds the file; exit status 0 after letting it go, 2 when it cannot.

#include <windows.h>

#include <iostream>
#include <string>

int wmain(int argc, wchar_t* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: hold_file WINDOWS_PATH MILLISECONDS\n";
    return 64;
  }
  const HANDLE file = ::CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::cerr << "hold_file: cannot open the file (error " << ::GetLastError() << ")\n";
    return 2;
  }
  std::cout << "held" << std::endl;
  ::Sleep(static_cast<DWORD>(std::stoul(argv[2])));
  ::CloseHandle(file);
  return 0;
}
