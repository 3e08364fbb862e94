// Starts a program as Explorer starts a shortcut's: from a process without a console, and with no
// standard handles; waits for it and ends with its exit status. For scripts/lib/wine_console.sh:
//   start_detached PROGRAM [ARGUMENTS...]
// Built as a windowed program, so that it has no console for the program to attach to.

#include <windows.h>

#include <string>

namespace {

// An argument quoted as the C runtime reads it back (enough for the paths and options the
// script passes: no quote signs in them).
std::wstring Quoted(const wchar_t* argument) {
  return L"\"" + std::wstring(argument) + L"\"";
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 2) return 64;
  std::wstring command_line;
  for (int i = 1; i < argc; ++i) command_line += (i > 1 ? L" " : L"") + Quoted(argv[i]);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;  // all three null: no standard handles
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                        nullptr, nullptr, &startup, &process)) {
    return 2;
  }
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 2;
  ::GetExitCodeProcess(process.hProcess, &status);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return static_cast<int>(status);
}
