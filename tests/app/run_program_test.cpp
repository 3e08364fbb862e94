#include "cli/run_program.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "support/fixed_clock.h"
#include "support/recording_front_end.h"
#include "support/temp_device.h"
#include "support/window_driver.h"
#ifndef _WIN32
#include "support/ordinary_user.h"
#endif

namespace app {
namespace {

using support::kSomeTimeText;

// Two recorders on removable volumes, one of them labelled, and an empty program folder.
class RunProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"program", "rec a", "rec b"}) {
      std::filesystem::create_directory(place.Path(folder));
    }
    place.Write("rec a/ravlen_setting.ini", "4\r\n");
    std::filesystem::create_directory(place.Path("rec b/VOICE"));
  }

  int Run(const std::vector<std::string>& arguments) {
    return cli::RunProgram(front_end, arguments, place.Path("program"), [this] { return volumes; });
  }

  // A path as a command line gives it: UTF-8.
  std::string Argument(std::string_view name) const {
    const std::u8string text = (place.root() / std::u8string(name.begin(), name.end())).u8string();
    return std::string(text.begin(), text.end());
  }

  support::TempDevice place;
  const std::vector<device::Volume> volumes = {{place.Path("rec a"), "REC_A"},
                                               {place.Path("rec b"), ""}};
  std::unique_ptr<testing_support::WindowDriver> driver = testing_support::MakeWindowDriver();
  testing_support::RecordingFrontEnd front_end{*driver};
};

TEST_F(RunProgramTest, TheUsersChoiceIsTheRoot) {
  front_end.volume_answer = 1;
  front_end.while_running = [this] {
    EXPECT_EQ(driver->WindowName(), "Form1");
    driver->PressStart();
  };
  EXPECT_EQ(Run({}), kExitDone);
  EXPECT_EQ(front_end.offered, std::vector<std::vector<device::Volume>>{volumes});
  EXPECT_EQ(place.Read("rec b/date_time.cfg").size(), kSomeTimeText.size() + 2);
  EXPECT_FALSE(place.Exists("rec a/date_time.cfg"));
}

TEST_F(RunProgramTest, CancellingEndsWithoutAWindowAndWritesNothing) {
  front_end.volume_answer = std::nullopt;
  EXPECT_EQ(Run({}), kExitDone);
  EXPECT_EQ(front_end.offered.size(), 1u);
  EXPECT_EQ(front_end.event_loops, 0);
  EXPECT_EQ(driver->WindowsOnScreen(), 0);
  EXPECT_FALSE(place.Exists("rec b/date_time.cfg"));
}

TEST_F(RunProgramTest, CommandLine) {
  struct Case {
    const char* what;
    std::vector<std::string> arguments;
    int status;
    const char* said;  // on stderr
  };
  const Case cases[] = {
      {"two roots", {Argument("rec a"), Argument("rec b")}, kExitUsage, "usage: "},
      {"a file", {Argument("rec a/ravlen_setting.ini")}, kExitUsage, "is not a folder"},
      {"nothing there", {Argument("missing")}, kExitUsage, "is not a folder"},
      {"a control sequence", {Argument("no\x1b[2Jthere")}, kExitUsage, "no?[2Jthere\" is not"},
      {"a recorder", {Argument("rec b")}, kExitDone, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing_support::RecordingFrontEnd case_front_end(*driver);
    case_front_end.while_running = [this] { driver->PressStart(); };
    testing::internal::CaptureStderr();
    const int status = cli::RunProgram(case_front_end, c.arguments, place.Path("program"), [] {
      ADD_FAILURE() << "a root was given: no volume is looked at";
      return std::vector<device::Volume>{};
    });
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, c.status);
    EXPECT_NE(said.find(c.said), std::string::npos) << said;
    EXPECT_EQ(case_front_end.event_loops, c.status == kExitDone ? 1 : 0);
    EXPECT_EQ(place.Exists("rec b/date_time.cfg"), c.status == kExitDone);
    EXPECT_TRUE(case_front_end.offered.empty());
  }
}

// A root that cannot be looked at fails with the system's reason and status 2, in the window and
// on the command line alike; one that is not there or is a file is not a folder (64).
TEST_F(RunProgramTest, RootThatCannotBeReachedNamesTheCause) {
  std::filesystem::create_directories(place.Path("locked/rec/VOICE"));
  std::filesystem::path too_long = place.root();
  while (too_long.native().size() <= 4096) too_long /= std::string(200, 'a');
  struct Case {
    const char* what;
    std::filesystem::path root;
    int status;
    std::string said;  // on stderr
  };
  // The first two on Linux only: the tests under Wine run as root, whom no permission stops, and
  // Wine looks an overlong path up name by name, finding nothing there.
  const Case cases[] = {
#ifndef _WIN32
      {"a folder on the way without search permission", place.Path("locked/rec"),
       kExitRuntimeFailure, "\": Permission denied"},
      {"a path longer than PATH_MAX", too_long, kExitRuntimeFailure, "\": File name too long"},
#endif
      {"nothing there", place.Path("missing"), kExitUsage, "\" is not a folder."},
      {"a file", place.Path("rec a/ravlen_setting.ini"), kExitUsage, "\" is not a folder."},
  };
#ifndef _WIN32
  const bool permissions_stop = testing_support::PermissionsStopReads();
  std::filesystem::permissions(place.Path("locked"), std::filesystem::perms::none);
#endif
  for (const Case& c : cases) {
#ifndef _WIN32
    if (c.root == place.Path("locked/rec") && !permissions_stop) continue;
#endif
    for (const bool window : {true, false}) {
      SCOPED_TRACE(std::string(c.what) + (window ? ", window" : ", --show"));
      const std::string root = Utf8(c.root);
      testing_support::RecordingFrontEnd case_front_end(*driver);
      int status = 0;
      testing::internal::CaptureStderr();
      {
#ifndef _WIN32
        const testing_support::OrdinaryUser user(place);
#endif
        status = cli::RunProgram(
            case_front_end,
            window ? std::vector<std::string>{root} : std::vector<std::string>{"--show", root},
            place.Path("program"), [] { return std::vector<device::Volume>{}; });
      }
      const std::string said = testing::internal::GetCapturedStderr();
      EXPECT_EQ(status, c.status);
      const std::string named =
          (c.status == kExitUsage ? "The device root \"" : "Could not read the device root \"") +
          Printable(root);
      EXPECT_NE(said.find(named), std::string::npos) << said;
      EXPECT_NE(said.find(c.said), std::string::npos) << said;
      EXPECT_EQ(case_front_end.event_loops, 0);
    }
  }
#ifndef _WIN32
  std::filesystem::permissions(place.Path("locked"), std::filesystem::perms::owner_all);
#endif
}

// The root comes as UTF-8 on every system, also where paths are UTF-16 (Windows).
TEST_F(RunProgramTest, RootNamedInUtf8IsFound) {
  const std::string name = "Aufnahmen f\xc3\xbcr \xc3\x84rzte \xe5\xbd\x95\xe9\x9f\xb3";
  const std::filesystem::path root = place.root() / std::u8string(name.begin(), name.end());
  std::filesystem::create_directory(root);
  front_end.while_running = [this] { driver->PressStart(); };
  EXPECT_EQ(Run({Argument(name)}), kExitDone);
  EXPECT_TRUE(std::filesystem::exists(root / "date_time.cfg"));
}

}  // namespace
}  // namespace app
