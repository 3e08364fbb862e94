#include <string>
#include <vector>

#include "app/program.h"
#include "cli/options.h"
#include "cli/run_program.h"
#include "device/removable_drives.h"
#include "device/stop_request.h"
#include "device/wide_text.h"
#include "ui/win32/console_stop.h"
#include "ui/win32/front_end.h"
#include "ui/win32/standard_streams.h"
#include "ui/win32/text.h"
#include "ui/win32/watch_system.h"

namespace {

// What standard error said, as a message box says it: without the final line break.
std::string AsMessage(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

}  // namespace

// The Windows program: wide arguments, passed on as UTF-8 like on Linux. The same source is
// linked twice: as a windowed .exe to double-click, and as a console .com that a command prompt
// waits for.
int wmain(int argc, wchar_t* argv[]) {
  // An empty card reader slot or a drive without a medium fails the call that touches it instead
  // of stopping the program with the system's "There is no disk in the drive" box.
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(device::Utf8FromWide(argv[i]));
  // The .com double-clicked opens the window, like the .exe, and leaves the console it was given.
  if (!cli::HasOptions(arguments)) ui::win32::LeaveOwnConsole();
  ui::win32::ConnectStandardStreams(cli::PrintsJson(arguments));
  ui::win32::FinishWritesBeforeConsoleStop();
  ui::win32::FrontEnd front_end;
  const std::vector<std::wstring> wide_arguments(argv + 1, argv + argc);
  const int status =
      cli::RunProgram(front_end, arguments, device::ExecutableFolder(), device::RemovableDrives,
                      [&] { return ui::win32::MakeWatchSystem(wide_arguments); });
  // Stopped by Ctrl+C once a write had cleaned up: the status that Ctrl+C always gives.
  if (device::ProgramStop().Requested()) return static_cast<int>(STATUS_CONTROL_C_EXIT);
  // A failure that nobody could read on standard error (a shortcut that runs the .exe with options,
  // whose console it has not) is shown once at the end; --watch tells of each recorder in a
  // notification and ends with 0.
  if (status != app::kExitDone && !front_end.ShowedMessage()) {
    if (const std::string unseen = AsMessage(ui::win32::UnseenErrorText()); !unseen.empty())
      front_end.ShowMessage(unseen);
  }
  return status;
}
