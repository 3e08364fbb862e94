// A settings file or a device root that the user may not read. The program runs with an ordinary
// user's rights: the tests may run as root, whom a permission never stops. Linux only.

#include <filesystem>
#include <string>
#include <vector>

#include "app/utf8_path.h"
#include "cli/run_command_line.h"
#include "program_fixture.h"
#include "support/device_snapshot.h"
#include "support/ordinary_user.h"

namespace app {
namespace {

using std::filesystem::perms;
using support::Snapshot;
using support::TempDevice;
using testing_support::OrdinaryUser;
using testing_support::PermissionsStopReads;

// A model 4 recorder's settings line.
const std::string kLine = "40111111111111111300000000000000FW 4.01";

struct Case {
  const char* what;
  const char* unreadable;  // the candidate that cannot be read, or none
  std::vector<const char*> readable;
  perms root_mode = perms::owner_all | perms::group_read | perms::group_exec;
};

const Case kCases[] = {
    {"the .ini", "ravlen_setting.ini", {}},
    {"the .ini before a readable .bak", "ravlen_setting.ini", {"ravlen_setting.bak"}},
    {"the .bak", "ravlen_setting.bak", {}},
    {"the .bak before system_setting.ini", "ravlen_setting.bak", {"system_setting.ini"}},
    {"system_setting.ini", "system_setting.ini", {}},
    {"system_setting.ini before its .bak", "system_setting.ini", {"system_setting.bak"}},
    {"a root of mode 000", nullptr, {"ravlen_setting.ini"}, perms::none},
    {"a root of mode 300", nullptr, {"ravlen_setting.ini"}, perms::owner_write | perms::owner_exec},
    {"a root of mode 600", nullptr, {"ravlen_setting.ini"}, perms::owner_read | perms::owner_write},
};

// What the message names: the file, the root that cannot be listed, or in a root that can be
// listed but not searched, the first entry looked at.
std::string Named(const Case& c, const TempDevice& device) {
  if (c.unreadable != nullptr) return "Could not read the file \"\\" + std::string(c.unreadable);
  if ((c.root_mode & perms::owner_read) == perms::none) {
    return "Could not read the device root \"" + Utf8(device.root());
  }
  return "Could not read the file \"\\";
}

// A recorder with a hidden "\VOICE" and the case's settings files and root.
void Lay(const TempDevice& device, const Case& c) {
  std::filesystem::create_directory(device.Path("VOICE"));
  device.SetDosBits("VOICE", 0x6);
  for (const char* name : c.readable) device.Write(name, kLine + "\r\n");
  if (c.unreadable != nullptr) {
    device.Write(c.unreadable, kLine + "\r\n");
    std::filesystem::permissions(device.Path(c.unreadable), perms::none);
  }
  std::filesystem::permissions(device.root(), c.root_mode);
}

std::vector<support::EntryState> WithoutVoice(std::vector<support::EntryState> snapshot) {
  std::erase_if(snapshot, [](const support::EntryState& entry) { return entry.name == "VOICE"; });
  return snapshot;
}

enum class Way { kShow, kStart, kWindow };

// Only a missing candidate lets the lookup go on: one that cannot be read, or a root that cannot
// be read, ends the program with status 2 and a message naming it. The command line writes
// nothing; the window makes "\VOICE" normal first, as before any load that fails.
TEST(UnreadableDeviceTest, FailsNamingWhatCannotBeReadAndWritesNothing) {
  if (!PermissionsStopReads()) GTEST_SKIP() << "cannot take an ordinary user's rights here";
  for (const Case& c : kCases) {
    for (const Way way : {Way::kShow, Way::kStart, Way::kWindow}) {
      SCOPED_TRACE(std::string(c.what) + (way == Way::kShow    ? ", --show"
                                          : way == Way::kStart ? ", --start"
                                                               : ", window"));
      ProgramOnDevice run;
      Lay(run.device, c);
      const auto before = Snapshot(run.device);
      int status = 0;
      std::string said;
      std::string out;
      {
        const OrdinaryUser user(run.device);
        if (way == Way::kWindow) {
          run.StartUp();
          status = run.quits.empty() ? -1 : run.quits.back();
          said = run.messages.empty() ? "" : run.messages.back();
        } else {
          testing::internal::CaptureStdout();
          testing::internal::CaptureStderr();
          status = cli::RunCommandLine(
              {way == Way::kShow ? "--show" : "--start", Utf8(run.device.root())},
              {run.device.root(), {}, run.clock, {}});
          out = testing::internal::GetCapturedStdout();
          said = testing::internal::GetCapturedStderr();
        }
      }
      EXPECT_EQ(status, kExitRuntimeFailure) << out;
      EXPECT_NE(said.find(Named(c, run.device)), std::string::npos) << said;
      EXPECT_NE(said.find("\": Permission denied"), std::string::npos) << said;
      EXPECT_EQ(out, "");
      if (way == Way::kWindow && c.unreadable != nullptr) {
        EXPECT_EQ(WithoutVoice(Snapshot(run.device)), WithoutVoice(before));
      } else {
        EXPECT_EQ(Snapshot(run.device), before);
      }
    }
  }
}

}  // namespace
}  // namespace app
