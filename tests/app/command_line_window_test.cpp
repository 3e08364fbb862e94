#include <string>
#include <vector>

#include "app/utf8_path.h"
#include "cli/run_command_line.h"
#include "program_fixture.h"
#include "support/device_snapshot.h"
#include "support/settings_line_builder.h"

namespace app {
namespace {

using support::Snapshot;

// --start without --set and an untouched Start in the window leave the same device, on every
// screen that start-up can open: files, bytes and attributes, "\VOICE" included.
TEST(CommandLineWindowTest, StartWithoutSetWritesWhatAnUntouchedStartWrites) {
  struct Case {
    const char* file;  // none: no settings file
    std::string line;
  };
  const auto line = [](char model, const char* block, std::string flags = "11111111111111") {
    return support::BuildSettingsLine(
        {.model = model, .flags = flags, .block = block, .version = "FW 2.10 REC-X"});
  };
  const Case cases[] = {
      {nullptr, ""},
      {"ravlen_setting.ini", line('0', "32110001000000")},
      {"ravlen_setting.bak", line('1', "32111271300000")},
      {"ravlen_setting.ini", line('2', "12000000000000")},
      {"system_setting.ini", line('3', "41000001000000")},
      {"system_setting.bak", line('4', "20000000000000")},
      {"ravlen_setting.ini", line('5', "34000000000000")},
      {"ravlen_setting.ini", line('6', "42103151724189")},
      {"ravlen_setting.ini", line('6', "42103151724189", std::string(14, '0'))},
      {"ravlen_setting.ini", line('7', "99999999999999")},
  };
  support::TempDevice program_folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    ProgramOnDevice window;
    support::TempDevice command;
    for (const support::TempDevice* device : {&window.device, &command}) {
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
