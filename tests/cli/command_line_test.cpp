#include "cli/run_command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "cli/output_text.h"
#include "device/errors.h"
#include "device/settings_line.h"
#include "support/device_snapshot.h"
#include "support/fixed_clock.h"
#include "support/settings_line_builder.h"
#include "support/temp_device.h"

namespace cli {
namespace {

using app::kExitDone;
using app::kExitRuntimeFailure;
using app::kExitUsage;
using app::Utf8;
using support::kSomeTimeText;
using support::Snapshot;
using support::TempDevice;

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

constexpr std::string_view kVersion = "FW 1.00 \xb5REC-1";  // Latin-1: a micro sign

// A settings line: the model code, the capability flags, the settings block and the version.
std::string Line(char model, std::string flags, std::string_view block) {
  return support::BuildSettingsLine({.model = model,
                                     .flags = std::move(flags),
                                     .block = std::string(block),
                                     .version = std::string(kVersion)});
}
std::string Line(char model, std::string_view block) {
  return Line(model, std::string(14, '1'), block);
}

struct Ran {
  int status;
  std::string out;
  std::string err;
};

class CommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(device.Path("VOICE"));
    device.SetDosBits("VOICE", 0x6);
  }

  Ran Command(std::vector<std::string> arguments,
              std::vector<::device::Volume> volumes = {}) const {
    const support::FixedClock clock(support::kSomeTime, clock_sync);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status =
        RunCommandLine(arguments, {place.root(), [volumes] { return volumes; }, clock, {}});
    std::string out = testing::internal::GetCapturedStdout();
    return {status, out, testing::internal::GetCapturedStderr()};
  }

  std::string Root() const { return Utf8(device.root()); }

  // A recorder with a hidden "\VOICE" and `line` in its settings file (none when empty).
  static void MakeRecorder(const TempDevice& recorder, const std::string& line) {
    std::filesystem::create_directory(recorder.Path("VOICE"));
    recorder.SetDosBits("VOICE", 0x6);
    if (!line.empty()) recorder.Write("ravlen_setting.ini", line + "\r\n");
  }

  // --start with a --set each, on `recorder`; what it printed is in `ran`.
  int StartWith(const std::vector<std::string>& sets, const TempDevice& recorder) {
    std::vector<std::string> arguments = {"--start"};
    for (const std::string& set : sets) arguments.insert(arguments.end(), {"--set", set});
    arguments.push_back(Utf8(recorder.root()));
    ran = Command(arguments);
    return ran.status;
  }

  // The block that Start wrote to the settings file.
  static std::string WrittenBlock(const TempDevice& recorder) {
    return recorder.Read("ravlen_setting.bak").substr(::device::kSettingsBlockPosition - 1, 14);
  }

  Ran ran;
  ::device::ClockSync clock_sync = ::device::ClockSync::kUnknown;

  TempDevice device;
  TempDevice place;  // the program's folder: not a recorder
};

TEST_F(CommandLineTest, RefusedSetChangesNothing) {
  struct Case {
    const char* what;
    std::string line;  // none: no settings file
    std::vector<std::string> sets;
    const char* said;
  };
  const std::string form15 = Line('6', "42103151024100");
  const Case cases[] = {
      {"unknown name", form15, {"Volume=Loud"}, "has no setting \"Volume\""},
      {"hidden setting",
       Line('6', "11111101111111", "42103151024100"),
       {"EQ(Equalizer)=Rock"},
       "does not offer \"EQ(Equalizer)\""},
      {"greyed button",
       Line('0', "81111111111111", "22110001000000"),
       {"Mode (Record Quality)=LP"},
       "Choices: PCM, HQ"},
      {"hidden button",
       Line('2', "21111111111111", "12000000000000"),
       {"Frame1=LP"},
       "has no choice \"LP\""},
      {"removed item",
       Line('6', "11111211111111", "42103051024100"),
       {"Repeat=All"},
       "Choices: Off, 1, Folder"},
      {"unknown choice", Line('3', "41000001000000"), {"VOS Level=+ 3"}, "+ 2, + 1, 0 (Default)"},
      {"code out of range", Line('4', "20000000000000"), {"Frame1=7"}, "has no choice \"7\""},
      {"same setting twice", form15, {"Combo1=HQ", "mode (record  QUALITY)=SP"}, "set twice"},
      {"second of two refused", form15, {"VOS Level=1", "Language=Klingon"}, "Klingon"},
      {"no settings file", "", {"VOS Level=+ 1"}, "no settings"},
      {"model without a screen", Line('7', "00000000000000"), {"Frame1=PCM"}, "no settings"},
      {"option setting, hidden",
       Line('0', "11011111111111", "22110001000000"),
       {"Frame3=High"},
       "does not offer \"MIC Level\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TempDevice recorder;
    MakeRecorder(recorder, c.line);
    const auto before = Snapshot(recorder);
    EXPECT_EQ(StartWith(c.sets, recorder), kExitUsage);
    EXPECT_NE(ran.err.find(c.said), std::string::npos) << ran.err;
    EXPECT_EQ(Snapshot(recorder), before);
  }
}

TEST_F(CommandLineTest, SetPicksAsAClickWould) {
  struct Case {
    const char* what;
    std::string line;
    std::vector<std::string> sets;
    const char* block;
  };
  const Case cases[] = {
      {"caption, any case and blanks",
       Line('3', "41000001000000"),
       {"  vos   LEVEL = - 2"},
       "44000001000000"},
      {"code digit", Line('2', "12000000000000"), {"Frame1=0", "Frame2=4"}, "04000000000000"},
      // The repeat list's "1" has the code 2: a choice's text goes before a code digit.
      {"text before code", Line('6', "42103151024100"), {"Repeat=1"}, "42103251024100"},
      {"option setting of model 1",
       Line('1', "32111271300000"),
       {"EQ=Rock", "Frame9=A Folder"},
       "32111211000000"},
      {"greyed current choice kept",
       Line('0', "81111111111111", "32110001000000"),
       {"Mode (Record Quality)=SP"},
       "32110001000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TempDevice recorder;
    MakeRecorder(recorder, c.line);
    ASSERT_EQ(StartWith(c.sets, recorder), kExitDone) << ran.err;
    EXPECT_EQ(WrittenBlock(recorder), c.block);
    EXPECT_EQ(recorder.Read("date_time.cfg"), std::string(kSomeTimeText) + "E" + c.block + "\r\n");
    EXPECT_EQ(recorder.DosBits("VOICE"), 0u);
  }
}

// --show --json, then --start with a --set of every value as it was printed: the settings block
// comes back unchanged, also where the current choice cannot be picked again.
TEST_F(CommandLineTest, ShowJsonRoundTrips) {
  const std::string lines[] = {
      Line('0', "32110001000000"),
      Line('0', "81111111111111", "32110001000000"),
      Line('1', "32111271300000"),
      Line('2', "12000000000000"),
      Line('3', "41000001000000"),
      Line('4', "20000000000000"),
      Line('5', "34000000000000"),
      Line('6', "42103151024100"),
      Line('6', "11111211111111", "42103351024100"),
      Line('6', "11121111111111", "42113151024100"),
  };
  const std::regex setting(
      "\"name\": \"([^\"]*)\", \"control\": \"(\\w+)\", \"value\": \"([^\"]*)\"");
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    const TempDevice recorder;
    MakeRecorder(recorder, line);
    const auto before = Snapshot(recorder);
    const Ran show = Command({"--show", "--json", Utf8(recorder.root())});
    ASSERT_EQ(show.status, kExitDone) << show.err;
    EXPECT_EQ(Snapshot(recorder), before) << "--show writes nothing";
    EXPECT_NE(show.out.find("\"version\": \"FW 1.00 \xc2\xb5REC-1\""), std::string::npos);
    EXPECT_EQ(std::count(show.out.begin(), show.out.end(), '\n'), 1);

    std::vector<std::string> sets;
    for (std::sregex_iterator found(show.out.begin(), show.out.end(), setting), end; found != end;
         ++found) {
      // Half of them by caption, half by control name.
      const std::string name = sets.size() % 2 == 0 ? (*found)[1] : (*found)[2];
      sets.push_back(name + "=" + (*found)[3].str());
    }
    EXPECT_FALSE(sets.empty()) << show.out;
    ASSERT_EQ(StartWith(sets, recorder), kExitDone) << ran.err;
    EXPECT_EQ(WrittenBlock(recorder), line.substr(::device::kSettingsBlockPosition - 1, 14));
  }
}

TEST_F(CommandLineTest, ShowWithoutSettingsFile) {
  const Ran run = Command({"--show", "--json", Root()});
  EXPECT_EQ(run.status, kExitDone);
  EXPECT_NE(run.out.find("\"model\": null, \"screen\": \"Form1\", \"settings\": []"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(device.DosBits("VOICE"), 0x6u);
}

TEST_F(CommandLineTest, NamesAPcClockThatNoTimeServerSets) {
  using ::device::ClockSync;
  struct Case {
    const char* what;
    ClockSync sync;
    const char* shown;  // the --show line, none when empty
    const char* json;   // the --show --json field, none when empty
    bool warned;        // --start warns on stderr
  };
  const Case cases[] = {
      {"unknown", ClockSync::kUnknown, "", "", false},
      {"synchronised", ClockSync::kSynchronised, "PC clock: synchronised\n",
       "\"pc_clock_synchronised\": true}", false},
      {"not synchronised", ClockSync::kNotSynchronised, "PC clock: not synchronised\n",
       "\"pc_clock_synchronised\": false}", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    clock_sync = c.sync;
    const Ran text = Command({"--show", Root()});
    const Ran json = Command({"--show", "--json", Root()});
    const Ran start = Command({"--start", Root()});
    ASSERT_EQ(start.status, kExitDone) << start.err;
    if (*c.shown) {
      EXPECT_NE(text.out.find(c.shown), std::string::npos) << text.out;
      EXPECT_NE(json.out.find(c.json), std::string::npos) << json.out;
    } else {
      EXPECT_EQ(text.out.find("PC clock"), std::string::npos) << text.out;
      EXPECT_EQ(json.out.find("pc_clock"), std::string::npos) << json.out;
    }
    EXPECT_EQ(start.err.find("The PC's clock is not synchronised with a time server, so the "
                             "recorder was set to the PC's time, 2026:12:07:09:05:03."),
              c.warned ? 0 : std::string::npos)
        << start.err;
    EXPECT_EQ(device.Read("date_time.cfg").substr(0, kSomeTimeText.size()), kSomeTimeText);
  }
}

TEST_F(CommandLineTest, Usage) {
  struct Case {
    std::vector<std::string> arguments;
    int status;
    const char* said;  // on stdout for status 0, else on stderr
  };
  const Case cases[] = {
      {{"--help"}, kExitDone, "Exit status:"},
      {{"--start", "-h"}, kExitDone, "Usage: datetime-cfg-creator"},
      {{"--version"}, kExitDone, "datetime-cfg-creator 2.2\n"},
      {{"--json"}, kExitUsage, "give --start, --show, --watch, --history or --undo"},
      {{"--start", "--show"}, kExitUsage, "one of --start, --show, --watch, --history and"},
      {{"--watch", "--show"}, kExitUsage, "one of --start, --show, --watch, --history and"},
      {{"--watch", "--all"}, kExitUsage, "--watch takes no device root"},
      {{"--watch", "x"}, kExitUsage, "--watch takes no device root"},
      {{"--watch", "--json"}, kExitUsage, "--json goes with --show or --history"},
      {{"--undo"}, kExitUsage, "--undo wants one device root"},
      {{"--undo", "--all"}, kExitUsage, "--undo wants one device root"},
      {{"--history", "x", "y"}, kExitUsage, "--history takes one device root at most"},
      {{"--show", "--no-history"}, kExitUsage, "--no-history goes with --start, --watch or --undo"},
      {{"--start", "--bogus"}, kExitUsage, "unknown option \"--bogus\""},
      {{"--start", "--set"}, kExitUsage, "NAME=CHOICE"},
      {{"--start", "--set", "VOS Level"}, kExitUsage, "NAME=CHOICE"},
      {{"--start", "--set=VOS Level= "}, kExitUsage, "NAME=CHOICE"},
      {{"--show", "--set", "A=B"}, kExitUsage, "--set goes with --start or --watch"},
      {{"--start", "--json"}, kExitUsage, "--json goes with --show or --history"},
      {{"--start", "--all", "x"}, kExitUsage, "either --all or device roots"},
      {{"--start", "--", "--no-such-folder"}, kExitUsage, "is not a folder"},
      // Only an option that takes an argument is named with "=", and no name is a prefix.
      {{"--start", "--setx"}, kExitUsage, "unknown option \"--setx\""},
      {{"--show", "--json=1"}, kExitUsage, "unknown option \"--json=1\""},
      {{"--start", "--set=A=B=C", "--set", "--json"}, kExitUsage, "NAME=CHOICE, not \"--json\""},
      // Options are read in order: what comes first decides.
      {{"--bogus", "--help"}, kExitUsage, "unknown option \"--bogus\""},
      {{"--help", "--bogus"}, kExitDone, "Exit status:"},
      {{"--watch", "--json", "x"}, kExitUsage, "--json goes with --show or --history"},
      {{"--start", "--", "--help"}, kExitUsage, "is not a folder"},
      // The help option of Windows programs; elsewhere a name like any other.
      {{"--start", "/?"}, kWindows ? kExitDone : kExitUsage, kWindows ? "Usage:" : "not a folder"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.back());
    const Ran run = Command(c.arguments);
    EXPECT_EQ(run.status, c.status);
    const std::string& said = c.status == kExitDone ? run.out : run.err;
    EXPECT_NE(said.find(c.said), std::string::npos) << said;
  }
  EXPECT_TRUE(device.Names() == std::vector<std::string>{"VOICE"});
}

// --show --json prints one object a root, its settings or its error, however many roots it has.
TEST_F(CommandLineTest, ShowJsonGivesEveryRootOneObject) {
  TempDevice good;
  good.Write("ravlen_setting.ini", Line('4', "20000000000000") + "\r\n");
  TempDevice empty;
  empty.Write("ravlen_setting.ini", "");
  const std::string missing = Utf8(place.Path("missing"));
  const std::string settings = "{\"root\": " + JsonString(Utf8(good.root())) + ", \"model\": 4, ";
  const std::string empty_error = "{\"root\": " + JsonString(Utf8(empty.root())) +
                                  ", \"error\": \"Could not read the file "
                                  "\\\"\\\\ravlen_setting.ini\\\": the file is empty\"}";
  const std::string missing_error =
      "{\"root\": " + JsonString(missing) + ", \"error\": \"The device root";
  struct Case {
    const char* what;
    std::vector<std::string> roots;
    int status;
    std::vector<std::string> lines;  // how each line begins
  };
  const Case cases[] = {
      {"one root that fails", {Utf8(empty.root())}, kExitRuntimeFailure, {empty_error}},
      {"one root that is no folder", {missing}, kExitUsage, {missing_error}},
      {"a good root, then one that fails",
       {Utf8(good.root()), Utf8(empty.root())},
       kExitRuntimeFailure,
       {settings, empty_error}},
      {"one that fails, then a good root",
       {Utf8(empty.root()), Utf8(good.root())},
       kExitRuntimeFailure,
       {empty_error, settings}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> arguments = {"--show", "--json"};
    arguments.insert(arguments.end(), c.roots.begin(), c.roots.end());
    const Ran run = Command(arguments);
    EXPECT_EQ(run.status, c.status);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = run.out.find('\n', start)) != std::string::npos;
         start = end + 1) {
      lines.push_back(run.out.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), c.lines.size()) << run.out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_TRUE(lines[i].starts_with(c.lines[i]) && lines[i].ends_with("}")) << lines[i];
    }
  }
}

// What a root, a --set or an option brings into a message on stderr is shown as on stdout:
// control characters and invalid UTF-8 as "?", other characters as they are.
TEST_F(CommandLineTest, StderrShowsControlCharactersAsQuestionMarks) {
  device.Write("ravlen_setting.ini", Line('6', "42103151024100") + "\r\n");
  struct Case {
    const char* what;
    std::vector<std::string> arguments;
    const char* shown;
  };
  const Case cases[] = {
      {"root with an escape sequence", {"--start", Root() + "/no\x1b[2Jthere"}, "no?[2Jthere\""},
      {"root with a newline", {"--show", Root() + "/a\nb"}, "/a?b\" is not"},
      {"name with a title sequence",
       {"--start", "--set", "Vol\x1b]0;x\x07=1", Root()},
       "Vol?]0;x?=1"},
      {"choice in invalid UTF-8",
       {"--start", "--set", "VOS Level=\xff+1", Root()},
       "choice \"?+1\""},
      {"option with a C1 control", {"--start", "--bogus\xc2\x9bm"}, "\"--bogus?m\""},
      {"root in UTF-8",
       {"--show", Root() + "/f\xc3\xbcr \xe6\x97\xa5\xe6\x9c\xac"},
       "/f\xc3\xbcr \xe6\x97\xa5\xe6\x9c\xac\" is not"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Ran run = Command(c.arguments);
    EXPECT_NE(run.status, kExitDone);
    EXPECT_NE(run.err.find(c.shown), std::string::npos) << run.err;
    EXPECT_TRUE(std::none_of(run.err.begin(), run.err.end(), [](char c) {
      return (c != '\n' && static_cast<unsigned char>(c) < 0x20) || c == 0x7f;
    })) << run.err;
  }
  EXPECT_EQ(device.DosBits("VOICE"), 0x6u);
}

// Recorders on two volumes and a folder that is none: a line each, in turn, the worst status.
TEST_F(CommandLineTest, SeveralRoots) {
  TempDevice other;
  other.Write("ravlen_setting.ini", Line('4', "20000000000000") + "\r\n");
  const std::vector<::device::Volume> volumes = {{device.root(), "REC\x1b[2J"}, {other.root(), ""}};

  const Ran ask = Command({"--start"}, volumes);
  EXPECT_EQ(ask.status, kExitUsage);
  EXPECT_NE(ask.err.find("--all"), std::string::npos);
  EXPECT_NE(ask.err.find(Utf8(other.root())), std::string::npos);
  EXPECT_NE(ask.err.find("(REC?[2J)"), std::string::npos) << "no terminal control from a label";
  EXPECT_FALSE(device.Exists("date_time.cfg") || other.Exists("date_time.cfg"));

  const Ran mixed = Command({"--start", "--set", "Frame1=HQ", Root(), Utf8(other.root())});
  EXPECT_EQ(mixed.status, kExitUsage);
  EXPECT_EQ(mixed.out, Root() + ": " + mixed.err.substr(0, mixed.err.size() - 1) + "\n" +
                           Utf8(other.root()) + ": done\n");
  EXPECT_FALSE(device.Exists("date_time.cfg"));
  EXPECT_EQ(other.Read("date_time.cfg"), std::string(kSomeTimeText) + "E20000000000000\r\n");

  const Ran all = Command({"--start", "--all"}, volumes);
  EXPECT_EQ(all.status, kExitDone) << all.err;
  EXPECT_EQ(all.out, Root() + ": done\n" + Utf8(other.root()) + ": done\n");
  EXPECT_EQ(device.Read("date_time.cfg"), std::string(kSomeTimeText) + "\r\n");

  const Ran none = Command({"--show", "--all"});
  EXPECT_EQ(none.status, kExitUsage);
}

// No recorder plugged in and the program's folder neither a recorder's root nor on a drive that
// could be one (a temporary folder is on no FAT volume): nothing is written beside the program.
TEST_F(CommandLineTest, NoRecorderNoWrite) {
  for (const char* option : {"--start", "--show"}) {
    SCOPED_TRACE(option);
    const Ran run = Command({option});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.err, "No recorder is plugged in.\n");
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(place.Exists("date_time.cfg"));
  }
}

}  // namespace
}  // namespace cli
