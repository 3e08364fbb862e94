#include <string>
#include <vector>

#include "app/utf8_path.h"
#include "cli/run_command_line.h"
#include "program_fixture.h"
#include "support/device_snapshot.h"

namespace app {
namespace {

using testing_support::Snapshot;

// --start without --set and an untouched Start in the window leave the same device, on every
// screen that start-up can open: files, bytes and attributes, "\VOICE" included.
TEST(CommandLineWindowTest, StartWithoutSetWritesWhatAnUntouchedStartWrites) {
  struct Case {
    const char* file;  // none: no settings file
    std::string line;
  };
  const std::string flags(14, '1');
  const std::string version = "0FW 2.10 REC-X";
  const Case cases[] = {
      {nullptr, ""},
      {"ravlen_setting.ini", "00" + flags + "0" + "32110001000000" + version},
      {"ravlen_setting.bak", "10" + flags + "0" + "32111271300000" + version},
      {"ravlen_setting.ini", "20" + flags + "0" + "12000000000000" + version},
      {"system_setting.ini", "30" + flags + "0" + "41000001000000" + version},
      {"system_setting.bak", "40" + flags + "0" + "20000000000000" + version},
      {"ravlen_setting.ini", "50" + flags + "0" + "34000000000000" + version},
      {"ravlen_setting.ini", "60" + flags + "0" + "42103151724189" + version},
      {"ravlen_setting.ini", "60" + std::string(14, '0') + "0" + "42103151724189" + version},
      {"ravlen_setting.ini", "70" + flags + "0" + "99999999999999" + version},
  };
  testing_support::TempDevice program_folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    ProgramOnDevice window;
    testing_support::TempDevice command;
    for (const testing_support::TempDevice* device : {&window.device, &command}) {
      std::filesystem::create_directory(device->Path("VOICE"));
      device->SetDosBits("VOICE", 0x6);
      if (c.file == nullptr) continue;
      device->Write(c.file, c.line + "\r\n");
      device->SetDosBits(c.file, 0x2);
    }
    window.StartUp();
    window.screen.PressStart();
    ASSERT_EQ(window.quits, std::vector<int>{kExitDone});

    const int status = cli::RunCommandLine({"--start", Utf8(command.root())},
                                           {program_folder.root(), {}, window.clock, {}});
    EXPECT_EQ(status, kExitDone);
    EXPECT_EQ(Snapshot(command), Snapshot(window.device));
  }
}

}  // namespace
}  // namespace app
