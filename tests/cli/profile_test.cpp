#include "cli/profile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/utf8_path.h"
#include "cli/login_arguments.h"
#include "cli/run_command_line.h"
#include "cli/watch_command.h"
#include "device/settings_line.h"
#include "support/device_snapshot.h"
#include "support/temp_device.h"

namespace cli {
namespace {

using app::kExitDone;
using app::kExitUsage;
using app::Utf8;
using testing_support::kSomeTimeText;
using testing_support::Snapshot;
using testing_support::TempDevice;

// A settings line: the model code, the capability flags, the settings block and the version.
std::string Line(char model, std::string_view flags, std::string_view block) {
  return std::string(1, model) + "0" + std::string(flags) + "0" + std::string(block) + "0FW";
}
std::string Line(char model, std::string_view block) {
  return Line(model, std::string(14, '1'), block);
}

const std::string kForm15 = Line('6', "42103151024100");
const std::string kForm11 = Line('3', "41000001000000");
const std::string kOptionSetting = Line('0', "32110001000000");

// A recorder with VOICE and `line` in its settings file (none when empty).
void MakeRecorder(const TempDevice& recorder, const std::string& line) {
  std::filesystem::create_directory(recorder.Path("VOICE"));
  if (!line.empty()) recorder.Write("ravlen_setting.ini", line + "\r\n");
}

std::string WrittenBlock(const TempDevice& recorder) {
  if (!recorder.Exists("ravlen_setting.bak")) return "";
  return recorder.Read("ravlen_setting.bak").substr(::device::kSettingsBlockPosition - 1, 14);
}

// A watch that looks at the drives once and ends.
class OneLook : public WatchSystem {
 public:
  bool WaitForChange() override { return false; }
  void Notify(std::string_view, std::string_view) override {}
};

struct Ran {
  int status;
  std::string out;
  std::string err;
};

class ProfileTest : public ::testing::Test {
 protected:
  // The program run with `arguments`; a --watch among them looks at `recorders` once.
  Ran Command(const std::vector<std::string>& arguments,
              const std::vector<const TempDevice*>& recorders = {}) {
    const testing_support::FixedClock clock;
    std::vector<::device::Volume> volumes;
    for (const TempDevice* recorder : recorders) volumes.push_back({recorder->root(), ""});
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status =
        RunCommandLine(arguments, {place.root(), [volumes] { return volumes; }, clock,
                                   [this] {
                                     watch_made = true;
                                     return std::make_unique<OneLook>();
                                   }});
    std::string out = testing::internal::GetCapturedStdout();
    return {status, out, testing::internal::GetCapturedStderr()};
  }

  // `bytes` as the profile file; gives its name.
  std::string Profile(std::string_view bytes) const {
    place.Write("profile", bytes);
    return Utf8(place.Path("profile"));
  }

  TempDevice place;  // the program's folder and the profile's
  bool watch_made = false;
};

// What --show --json printed for one recorder gives another of its model every setting.
TEST_F(ProfileTest, ShowJsonOfOneRecorderSetsAnother) {
  const std::string lines[] = {kForm15, Line('6', "11121111111111", "42113151024100"), kForm11,
                               kOptionSetting, Line('1', "32111271300000")};
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    TempDevice source, target;
    MakeRecorder(source, line);
    std::string other = line;
    other.replace(::device::kSettingsBlockPosition - 1, 14, std::string(14, '0'));
    MakeRecorder(target, other);
    const Ran show = Command({"--show", "--json", Utf8(source.root())});
    ASSERT_EQ(show.status, kExitDone) << show.err;
    const Ran start = Command({"--start", "--profile", Profile(show.out), Utf8(target.root())});
    ASSERT_EQ(start.status, kExitDone) << start.err;
    EXPECT_EQ(start.err, "");
    EXPECT_EQ(WrittenBlock(target), line.substr(::device::kSettingsBlockPosition - 1, 14));
  }
}

// Each entry acts as a --set where the screen shows its setting; the others are skipped and
// named; a --set beside the profile wins, however either names the setting.
TEST_F(ProfileTest, AppliesWhereTheScreenShowsTheSetting) {
  struct Case {
    const char* what;
    std::string line;  // none: no settings file
    const char* profile;
    std::vector<std::string> sets;
    const char* clock_file;  // after the date and time
    const char* not_shown;   // the names on stderr; none when empty
  };
  const char* const kFleet =
      "# the office's recorders\n\nLanguage = English\r\n  vos   LEVEL = - 2 \n";
  const Case cases[] = {
      {"text lines", kForm11, kFleet, {}, "E44000001000000", "\"Language\""},
      {"with a byte order mark", kForm11, "\xef\xbb\xbfVOS Level=- 2", {}, "E44000001000000", ""},
      {"code digits", Line('2', "12000000000000"), "Frame1=0\nFrame2=4", {}, "E04000000000000", ""},
      {"a model 6 profile on model 3",
       kForm11,
       "Language=English\nRepeat=Off\nMode (Record Quality)=HQ",
       {},
       "E21000001000000",
       "\"Language\", \"Repeat\""},
      {"a --set by control wins",
       kForm11,
       kFleet,
       {"Frame2=0 (Default)"},
       "E42000001000000",
       "\"Language\""},
      {"a --set by caption wins",
       kForm11,
       "Frame2=- 2",
       {"VOS Level=0 (Default)"},
       "E42000001000000",
       ""},
      {"none shown: an untouched Start",
       kOptionSetting,
       "Language=English",
       {},
       "",
       "\"Language\""},
      {"no settings file", "", kFleet, {}, "", "\"Language\", \"vos LEVEL\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDevice recorder;
    MakeRecorder(recorder, c.line);
    std::vector<std::string> arguments = {"--start", "--profile", Profile(c.profile)};
    for (const std::string& set : c.sets) arguments.insert(arguments.end(), {"--set", set});
    arguments.push_back(Utf8(recorder.root()));
    const Ran run = Command(arguments);
    ASSERT_EQ(run.status, kExitDone) << run.err;
    EXPECT_EQ(recorder.Read("date_time.cfg"), std::string(kSomeTimeText) + c.clock_file + "\r\n");
    const std::string named =
        *c.not_shown == '\0'
            ? ""
            : Utf8(recorder.root()) +
                  ": profile settings this recorder does not show: " + c.not_shown + "\n";
    EXPECT_EQ(run.err, named);
    // An untouched Start leaves the settings file as it is.
    EXPECT_EQ(recorder.Exists("ravlen_setting.ini"), *c.clock_file == '\0' && !c.line.empty());
  }
}

// An entry that the recorder's screen shows but cannot take is refused as its --set would be:
// 64, the file, line and entry named, nothing written on that recorder; the next one is done.
TEST_F(ProfileTest, AChoiceNotOfferedIsRefused) {
  struct Case {
    const char* what;
    std::string line;
    const char* profile;
    const char* said;
  };
  const Case cases[] = {
      // Model 6 words its VOS levels otherwise.
      {"not among the choices", kForm15, "Language=English\nVOS Level=- 2",
       ": line 2: \"VOS Level=- 2\": \"VOS Level\" has no choice \"- 2\""},
      {"greyed out", Line('0', "81111111111111", "22110001000000"), "Mode (Record Quality)=LP",
       ": line 1: \"Mode (Record Quality)=LP\": "},
      {"one setting by two names", kForm11, "VOS Level=+ 1\nFrame2=- 1",
       ": line 2: \"Frame2=- 1\": \"VOS Level\" is set twice"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDevice recorder, good;
    MakeRecorder(recorder, c.line);
    MakeRecorder(good, "");
    const auto before = Snapshot(recorder);
    const std::string file = Profile(c.profile);
    const Ran run =
        Command({"--start", "--profile", file, Utf8(recorder.root()), Utf8(good.root())});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_NE(run.err.find("--profile \"" + file + "\"" + c.said), std::string::npos) << run.err;
    EXPECT_EQ(Snapshot(recorder), before);
    EXPECT_TRUE(good.Exists("date_time.cfg"));
  }
}

// A profile that cannot be used ends --start and --watch with 64 before anything is written,
// naming the file and the line.
TEST_F(ProfileTest, ABrokenFileEndsWith64) {
  struct Case {
    const char* what;
    std::string bytes;
    const char* said;  // after "--profile "FILE": "
  };
  const Case cases[] = {
      {"no \"=\"", "# fleet\n\nVOS Level = + 1\nVOS Level\n", "line 4: no \"=\" in \"VOS Level\""},
      {"no name", "\n=1", "line 2: no setting's name before \"=\" in \"=1\""},
      {"no choice", "VOS Level = ", "line 1: no choice after \"=\" in \"VOS Level =\""},
      {"a name no screen has", "Volume=Loud",
       "line 1: no recorder's screen has a setting \"Volume\""},
      {"a name twice", "VOS Level=+ 1\r\nvos  level=- 1",
       "line 2: \"vos level\" is given a second time"},
      {"not UTF-8", "VOS Level=+ 1\n\xff=1", "line 2: not UTF-8 text"},
      {"broken JSON", "{\"settings\": [\n}", "line 2: "},
      {"several recorders", "{\"settings\": []}\n{\"settings\": []}\n",
       "line 2: the settings of a second recorder"},
      {"a failed --show", "{\"root\": \"E:\", \"error\": \"gone\"}",
       "line 1: no settings: the --show"},
      {"no settings list", " \n{\"root\": \"E:\"}", "line 2: no \"settings\" list"},
      {"a setting without name", "{\"settings\": [{\"value\": \"HQ\"}]}",
       "line 1, setting 1: no \"name\""},
      {"a value that is no text", "{\"settings\": [{\"name\": \"Repeat\", \"value\": 1}]}",
       "line 1, setting 1: its \"value\" is no text"},
      {"an unknown name in JSON",
       "{\"settings\": [{\"name\": \"Repeat\", \"value\": null}, {\"name\": \"Loud\", \"value\": "
       "\"1\"}]}",
       "line 1, setting 2: no recorder's screen has a setting \"Loud\""},
      {"too large", std::string(kProfileSizeLimit + 1, '#'), "is larger than 1024 KiB"},
  };
  TempDevice recorder;
  MakeRecorder(recorder, kForm11);
  const auto before = Snapshot(recorder);
  for (const Case& c : cases) {
    for (const char* mode : {"--start", "--watch"}) {
      SCOPED_TRACE(std::string(c.what) + ", " + mode);
      const std::string file = Profile(c.bytes);
      const Ran run = Command({mode, "--profile=" + file}, {&recorder});
      EXPECT_EQ(run.status, kExitUsage);
      EXPECT_EQ(run.err.find("--profile \"" + file + "\": " + c.said), 0u) << run.err;
      EXPECT_EQ(Snapshot(recorder), before);
      EXPECT_FALSE(watch_made);
    }
  }
  const Ran missing = Command({"--start", "--profile", Utf8(place.Path("none"))});
  EXPECT_EQ(missing.status, kExitUsage);
  EXPECT_NE(missing.err.find("cannot be read ("), std::string::npos) << missing.err;
  const Ran folder = Command({"--watch", "--profile", Utf8(place.root())});
  EXPECT_EQ(folder.status, kExitUsage);
  EXPECT_NE(folder.err.find("is a folder"), std::string::npos) << folder.err;
  EXPECT_NE(
      Command({"--show", "--profile", "a"}).err.find("--profile goes with --start or --watch"),
      std::string::npos);
  EXPECT_EQ(
      Command({"--start", "--profile", "a", "--profile", "b"}).err.find(": give --profile once\n"),
      std::string("datetime-cfg-creator").size());
}

// The watch gives each recorder of a mixed fleet the settings its screen shows; an entry its
// screen cannot take is left out there, as its --set would be, and the clock is set all the same.
TEST_F(ProfileTest, WatchServesAMixedFleet) {
  TempDevice model6, model3, empty;
  MakeRecorder(model6, kForm15);
  MakeRecorder(model3, kForm11);
  MakeRecorder(empty, "");
  auto read = ReadProfile(Profile("Language=English\nVOS Level=- 2\n"));
  ASSERT_TRUE(std::holds_alternative<cli::Profile>(read));
  const testing_support::FixedClock clock;
  OneLook system;
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  const int status = RunWatch(
      {{"Mode (Record Quality)", "SP"}},
      [&] {
        return std::vector<::device::Volume>{
            {model6.root(), ""}, {model3.root(), ""}, {empty.root(), ""}};
      },
      system, clock, std::get<cli::Profile>(read));
  const std::string out = testing::internal::GetCapturedStdout();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, kExitDone);
  EXPECT_EQ(model6.Read("date_time.cfg"), std::string(kSomeTimeText) + "E32103151014100\r\n");
  EXPECT_EQ(model3.Read("date_time.cfg"), std::string(kSomeTimeText) + "E34000001000000\r\n");
  EXPECT_NE(out.find(Utf8(model6.root()) + ": done; not applied: --profile \"" +
                     Utf8(place.Path("profile")) + "\": line 2: \"VOS Level=- 2\": "),
            std::string::npos)
      << out;
  EXPECT_NE(out.find(Utf8(model3.root()) + ": done\n"), std::string::npos) << out;
  const std::string not_shown = ": profile settings this recorder does not show: ";
  EXPECT_NE(err.find(Utf8(model3.root()) + not_shown + "\"Language\"\n"), std::string::npos) << err;
  EXPECT_NE(err.find(Utf8(empty.root()) + not_shown + "\"Language\", \"VOS Level\"\n"),
            std::string::npos)
      << err;
  EXPECT_EQ(err.find(Utf8(model6.root()) + not_shown), std::string::npos) << err;
}

// A start at every login begins in another folder: the profile goes with an absolute path, and
// nothing else changes.
TEST(ArgumentsForLoginTest, MakeTheProfileAbsolute) {
  const std::string here = Utf8(std::filesystem::absolute("p.json"));
  const std::string elsewhere = Utf8(std::filesystem::absolute("/fleet/p.txt"));
  struct Case {
    std::vector<std::string> given;
    std::vector<std::string> for_login;
  };
  const Case cases[] = {
      {{"--watch", "--profile", "p.json"}, {"--watch", "--profile", here}},
      {{"--profile=p.json", "--watch"}, {"--profile=" + here, "--watch"}},
      {{"--watch", "--profile", elsewhere}, {"--watch", "--profile", elsewhere}},
      {{"--watch", "--set", "--profile=x", "--set=A=p"},
       {"--watch", "--set", "--profile=x", "--set=A=p"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.given.back());
    EXPECT_EQ(ArgumentsForLogin(c.given), c.for_login);
  }
}

}  // namespace
}  // namespace cli
