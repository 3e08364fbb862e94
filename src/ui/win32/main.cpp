#include <string>
#include <vector>

#include "app/run_program.h"
#include "device/removable_drives.h"
#include "device/wide_text.h"
#include "ui/win32/front_end.h"
#include "ui/win32/standard_streams.h"
#include "ui/win32/text.h"

// The Windows program: wide arguments, passed on as UTF-8 like on Linux.
int wmain(int argc, wchar_t* argv[]) {
  win32::ConnectStandardStreams();
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(device::Utf8FromWide(argv[i]));
  win32::FrontEnd front_end;
  return app::RunProgram(front_end, arguments, device::ExecutableFolder(), device::RemovableDrives);
}
