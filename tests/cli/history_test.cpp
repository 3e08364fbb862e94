#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "cli/headless_front_end.h"
#include "cli/history_entry.h"
#include "cli/history_recorder.h"
#include "cli/run_command_line.h"
#include "cli/run_program.h"
#include "screens/control_names.h"
#include "support/fixed_clock.h"
#include "support/temp_device.h"
#include "support/temp_folder.h"

namespace cli {
namespace {

using app::kExitDone;
using app::kExitRuntimeFailure;
using app::kExitUsage;
using app::Utf8;
using support::TempDevice;

#ifdef _WIN32
constexpr const wchar_t* kStateVariable = L"LOCALAPPDATA";
#else
constexpr const char* kStateVariable = "XDG_STATE_HOME";
#endif

// Model 6 with a Latin-1 version text; "Repeat=1" changes its block to kChangedBlock.
const std::string kLine =
    "6011111111111111042103151024100"
    "0FW 1.00 \xb5REC-1";
constexpr std::string_view kClockSetTo = "2026-12-07T09:05:03";

struct Ran {
  int status;
  std::string out;
  std::string err;
};

// The history's folder pointed at `folder` for one test, and back after it.
class HistoryFolder {
 public:
  explicit HistoryFolder(const std::filesystem::path& folder) {
#ifdef _WIN32
    if (const wchar_t* value = _wgetenv(kStateVariable)) saved_ = value;
    _wputenv_s(kStateVariable, folder.c_str());
#else
    if (const char* value = std::getenv(kStateVariable)) saved_ = value;
    setenv(kStateVariable, folder.c_str(), 1);
#endif
  }
  ~HistoryFolder() {
#ifdef _WIN32
    _wputenv_s(kStateVariable, saved_.c_str());
#else
    if (saved_.empty()) {
      unsetenv(kStateVariable);
    } else {
      setenv(kStateVariable, saved_.c_str(), 1);
    }
#endif
  }

 private:
  std::filesystem::path::string_type saved_;
};

// The window's front end with a user who clicks Start as soon as the window shows.
class StartClicker : public HeadlessFrontEnd {
 public:
  int RunEventLoop() override {
    shown_window()->Click(screens::kStartButton);
    return HeadlessFrontEnd::RunEventLoop();
  }
};

// A watch that looks once and stops.
class OneLook : public WatchSystem {
 public:
  bool WaitForChange() override { return false; }
  void Notify(std::string_view, std::string_view) override {}
};

class HistoryTest : public ::testing::Test {
 public:
  void SetUp() override { device.Write("ravlen_setting.ini", kLine + "\r\n"); }

  Ran Command(std::vector<std::string> arguments) const {
    const support::FixedClock clock(support::kSomeTime, ::device::ClockSync::kSynchronised);
    const std::vector<::device::Volume> volumes = {{device.root(), "REC"}};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunCommandLine(
        arguments, {place.root(), [volumes] { return volumes; }, clock,
                    [] { return std::unique_ptr<WatchSystem>(std::make_unique<OneLook>()); }});
    std::string out = testing::internal::GetCapturedStdout();
    return {status, out, testing::internal::GetCapturedStderr()};
  }
  // `option` and `more` on the recorder (--watch finds it).
  Ran OnRecorder(const std::string& option, std::vector<std::string> more = {}) const {
    more.insert(more.begin(), option);
    if (option != "--watch") more.push_back(Root());
    return Command(more);
  }

  std::string Root() const { return Utf8(device.root()); }
  std::filesystem::path HistoryFile() const {
    return state.root() / "datetime-cfg-creator" / "history.jsonl";
  }
  std::vector<HistoryEntry> Entries() const {
    std::vector<HistoryEntry> entries;
    std::ifstream in(HistoryFile(), std::ios::binary);
    for (std::string line; std::getline(in, line);) {
      const std::optional<HistoryEntry> entry = ParseHistoryLine(line);
      EXPECT_TRUE(entry) << line;
      if (entry) entries.push_back(*entry);
    }
    return entries;
  }

  TempDevice device;
  TempDevice place;
  support::TempFolder state{"state-"};
  HistoryFolder folder{state.root()};
};

// Each way of writing a recorder leaves one line with what it wrote.
struct WriteKind {
  const char* name;
  std::function<Ran(HistoryTest&)> write;
  bool fixed_clock;  // the window uses the PC's own clock
};

class EveryWriteKind : public HistoryTest, public ::testing::WithParamInterface<WriteKind> {};

Ran StartInWindow(HistoryTest& test, std::vector<std::string> arguments = {}) {
  StartClicker front_end;
  arguments.push_back(test.Root());
  const int status = RunProgram(front_end, arguments, test.place.root(),
                                [] { return std::vector<::device::Volume>{}; });
  return {status, "", ""};
}

TEST_P(EveryWriteKind, RecordsTheWrite) {
  const WriteKind& kind = GetParam();
  const Ran ran = kind.write(*this);
  ASSERT_EQ(ran.status, kExitDone) << ran.err;
  const std::vector<HistoryEntry> entries = Entries();
  ASSERT_EQ(entries.size(), 1u);
  const HistoryEntry& entry = entries.front();
  EXPECT_EQ(entry.kind, kind.name);
  EXPECT_EQ(entry.root, Root());
  EXPECT_EQ(entry.model, 6);
  EXPECT_EQ(entry.version, "FW 1.00 \xc2\xb5REC-1");
  EXPECT_EQ(entry.status, kExitDone);
  EXPECT_EQ(entry.settings_before, kLine);
  EXPECT_EQ(entry.settings_after, device.Read("ravlen_setting.bak").substr(0, kLine.size()));
  EXPECT_EQ(entry.settings_file, "\\ravlen_setting.bak");
  if (kind.fixed_clock) {
    EXPECT_EQ(entry.clock_set_to, kClockSetTo);
    EXPECT_EQ(entry.pc_clock_synchronised, true);
  } else {
    EXPECT_EQ(entry.clock_set_to.size(), kClockSetTo.size());
  }
  EXPECT_EQ(entry.when.size(), std::string_view("2026-12-09T23:40:12+01:00").size()) << entry.when;
}

INSTANTIATE_TEST_SUITE_P(
    History, EveryWriteKind,
    ::testing::Values(
        WriteKind{"window", [](HistoryTest& test) { return StartInWindow(test); }, false},
        WriteKind{"start",
                  [](HistoryTest& test) {
                    return test.OnRecorder("--start", {"--set", "Repeat=1"});
                  },
                  true},
        WriteKind{"watch", [](HistoryTest& test) { return test.OnRecorder("--watch"); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A write that fails is recorded with its message and status; a history that cannot be written
// costs the write nothing but one line on standard error.
TEST_F(HistoryTest, FailedWrite) {
  struct Case {
    const char* what;
    std::function<void(const TempDevice& recorder)> spoil;
    bool clock_written;
  };
  const Case cases[] = {
      {"a read-only clock file: nothing written",
       [](const TempDevice& recorder) {
         recorder.Write("date_time.cfg", "2000 01 01 00 00 00\r\n");
         recorder.SetReadOnly("date_time.cfg", true);
       },
       false},
      {"a folder where the .bak goes: the clock file written",
       [](const TempDevice& recorder) {
         std::filesystem::create_directory(recorder.Path("ravlen_setting.bak"));
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TempDevice recorder;
    recorder.Write("ravlen_setting.ini", kLine + "\r\n");
    c.spoil(recorder);
    const std::size_t lines = Entries().size();
    const Ran ran = Command({"--start", Utf8(recorder.root())});
    ASSERT_EQ(ran.status, kExitRuntimeFailure);
    const std::vector<HistoryEntry> entries = Entries();
    ASSERT_EQ(entries.size(), lines + 1);
    const HistoryEntry& entry = entries.back();
    EXPECT_EQ(entry.status, kExitRuntimeFailure);
    EXPECT_EQ(ran.err, app::Printable(entry.message) + "\n");
    EXPECT_EQ(entry.clock_set_to, c.clock_written ? kClockSetTo : "");
    EXPECT_EQ(entry.settings_before, kLine);
    EXPECT_FALSE(entry.settings_after) << "no settings line was written";
  }
}

TEST_F(HistoryTest, UnwritableHistoryFailsNoWrite) {
  struct Case {
    const char* what;
    std::function<void(const TempDevice& state)> spoil;
  };
  const Case cases[] = {
      {"its folder's place is a file", [](const TempDevice& spoilt) { spoilt.Write("state", ""); }},
      {"the file is a symbolic link, never followed",
       [this](const TempDevice& spoilt) {
         std::filesystem::create_directories(spoilt.Path("state") / "datetime-cfg-creator");
         std::filesystem::create_symlink(
             device.Path("other.jsonl"),
             spoilt.Path("state") / "datetime-cfg-creator" / "history.jsonl");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (std::string_view(c.what).find("symbolic") != std::string_view::npos &&
        !support::CanMakeSymlinks())
      continue;
    const TempDevice spoilt;
    c.spoil(spoilt);
    const HistoryFolder broken(spoilt.Path("state"));
    const Ran ran = OnRecorder("--start");
    EXPECT_EQ(ran.status, kExitDone);
    EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1) << ran.err;
    EXPECT_TRUE(ran.err.starts_with("This write is not in the history: ")) << ran.err;
    EXPECT_EQ(device.Read("date_time.cfg"),
              std::string(support::kSomeTimeText) + "E" + kLine.substr(17, 14) + "\r\n");
    EXPECT_FALSE(device.Exists("other.jsonl"));
  }
}

TEST_F(HistoryTest, NoHistoryWritesNone) {
  EXPECT_EQ(OnRecorder("--start", {"--no-history"}).status, kExitDone);
  EXPECT_EQ(OnRecorder("--watch", {"--no-history"}).status, kExitDone);
  EXPECT_EQ(StartInWindow(*this, {"--no-history"}).status, kExitDone);
  EXPECT_FALSE(std::filesystem::exists(HistoryFile()));
}

// --history prints the writes of the recorder named, or all; --json the lines as they are.
TEST_F(HistoryTest, PrintsTheHistory) {
  const TempDevice other;
  other.Write("ravlen_setting.ini", kLine + "\r\n");
  ASSERT_EQ(OnRecorder("--start", {"--set", "Repeat=1"}).status, kExitDone);
  ASSERT_EQ(Command({"--start", Utf8(other.root())}).status, kExitDone);

  const Ran mine = OnRecorder("--history");
  EXPECT_EQ(mine.status, kExitDone);
  EXPECT_NE(mine.out.find("--start on " + Root() + ": done\n"), std::string::npos) << mine.out;
  EXPECT_NE(mine.out.find("clock set to 2026-12-07T09:05:03, PC clock synchronised"),
            std::string::npos);
  EXPECT_NE(mine.out.find("after  " + std::string("6011111111111111042103251024100")),
            std::string::npos);
  EXPECT_EQ(mine.out.find(Utf8(other.root())), std::string::npos);

  const Ran all = Command({"--history", "--json"});
  std::ifstream in(HistoryFile(), std::ios::binary);
  const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(all.out, file);
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 2);
}

// The time of a line carries the zone's offset from UTC, east positive, as ISO 8601 has it.
TEST(NowWithZoneOffsetTest, NamesTheZoneOffset) {
  struct Case {
    const char* tz;  // POSIX: the offset west of UTC
    const char* suffix;
  };
  const Case cases[] = {{"UTC0", "+00:00"}, {"IST-5:30", "+05:30"}, {"BRT3", "-03:00"}};
  const char* saved = std::getenv("TZ");
  const std::string restore = saved != nullptr ? saved : "";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tz);
#ifdef _WIN32
    _putenv_s("TZ", c.tz);
#else
    setenv("TZ", c.tz, 1);
#endif
    const std::string now = NowWithZoneOffset();
    EXPECT_EQ(now.size(), 25u) << now;
    EXPECT_TRUE(now.ends_with(c.suffix)) << now;
  }
#ifdef _WIN32
  _putenv_s("TZ", restore.c_str());
#else
  if (saved != nullptr) {
    setenv("TZ", restore.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
#endif
}

// --undo after each history a user can meet.
struct UndoCase {
  const char* name;
  std::vector<std::vector<std::string>> before;  // the commands before --undo, on the recorder
  bool change_by_hand;  // the settings line is changed after those commands
  int status;
  const char* said;  // on standard error when refused
  std::string line_after;
};

class UndoTest : public HistoryTest, public ::testing::WithParamInterface<UndoCase> {};

TEST_P(UndoTest, UndoesTheLastChangeOnly) {
  const UndoCase& c = GetParam();
  for (const auto& command : c.before)
    ASSERT_EQ(OnRecorder(command[0], {command.begin() + 1, command.end()}).status, kExitDone);
  if (c.change_by_hand) device.Write("ravlen_setting.bak", kLine.substr(0, 20) + "\r\n");
  const bool clock_written = device.Exists("date_time.cfg");
  const std::string clock = clock_written ? device.Read("date_time.cfg") : "";
  const std::size_t lines = Entries().size();

  const Ran undo = OnRecorder("--undo");
  EXPECT_EQ(undo.status, c.status) << undo.err;
  if (c.status != kExitDone) {
    EXPECT_NE(undo.err.find(c.said), std::string::npos) << undo.err;
  }
  const std::string settings_file =
      device.Exists("ravlen_setting.ini") ? "ravlen_setting.ini" : "ravlen_setting.bak";
  EXPECT_EQ(device.Read(settings_file), c.line_after + "\r\n");
  EXPECT_EQ(clock_written ? device.Read("date_time.cfg") : "", clock) << "the clock file stays";
  const std::vector<HistoryEntry> entries = Entries();
  ASSERT_EQ(entries.size(), lines + (c.status == kExitDone ? 1 : 0));
  if (c.status == kExitDone) {
    EXPECT_EQ(entries.back().kind, "undo");
    EXPECT_EQ(entries.back().settings_after, c.line_after);
  }
}

const std::vector<std::string> kStartWithSet = {"--start", "--set", "Repeat=1"};
const std::string kChangedLine =
    "6011111111111111042103251024100"
    "0FW 1.00 \xb5REC-1";

INSTANTIATE_TEST_SUITE_P(
    History, UndoTest,
    ::testing::Values(
        UndoCase{"AfterASet", {kStartWithSet}, false, kExitDone, "", kLine},
        UndoCase{"PastAStartThatChangedNothing",
                 {kStartWithSet, {"--start"}},
                 false,
                 kExitDone,
                 "",
                 kLine},
        UndoCase{"AfterAnotherChange",
                 {kStartWithSet},
                 true,
                 kExitUsage,
                 "have changed since the Start at",
                 kLine.substr(0, 20)},
        UndoCase{"WithNoHistory", {}, false, kExitUsage, "has no Start that changed", kLine},
        UndoCase{"AfterAStartThatChangedNothing",
                 {{"--start"}},
                 false,
                 kExitUsage,
                 "has no Start that changed",
                 kLine},
        UndoCase{"ASecondTime",
                 {kStartWithSet, {"--undo"}},
                 false,
                 kExitUsage,
                 "was already undone",
                 kLine},
        UndoCase{"ASecondTimeUnrecorded",
                 {kStartWithSet, {"--undo", "--no-history"}},
                 false,
                 kExitUsage,
                 "have changed since",
                 kLine}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cli
