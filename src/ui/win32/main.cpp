#include <string>
#include <vector>

#include "cli/run_program.h"
#include "device/removable_drives.h"
#include "device/wide_text.h"
#include "ui/win32/front_end.h"
#include "ui/win32/standard_streams.h"
#include "ui/win32/text.h"
#include "ui/win32/watch_system.h"

// The Windows program: wide arguments, passed on as UTF-8 like on Linux. The same source is
// linked twice: as a windowed .exe to double-click, and as a console .com that a command prompt
// waits for.
int wmain(int argc, wchar_t* argv[]) {
  // An empty card reader slot or a drive without a medium fails the call that touches it instead
  // of stopping the program with the system's "There is no disk in the drive" box.
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  ui::win32::ConnectStandardStreams();
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(device::Utf8FromWide(argv[i]));
  ui::win32::FrontEnd front_end;
  const std::vector<std::wstring> wide_arguments(argv + 1, argv + argc);
  return cli::RunProgram(front_end, arguments, device::ExecutableFolder(), device::RemovableDrives,
                         [&] { return ui::win32::MakeWatchSystem(wide_arguments); });
}
