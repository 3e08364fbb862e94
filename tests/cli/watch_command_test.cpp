#include "cli/watch_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/utf8_path.h"
#include "cli/plug_ins.h"
#include "cli/run_command_line.h"
#include "device/settings_line.h"
#include "device/watch_lock.h"
#include "language/language.h"
#include "support/device_snapshot.h"
#include "support/fixed_clock.h"
#include "support/settings_line_builder.h"
#include "support/temp_device.h"

namespace cli {
namespace {

using support::TempDevice;

// A drive as a look gives it: where it is mounted, and what tells it apart (device::Volume).
struct Drive {
  const TempDevice* device;
  std::string device_number;  // empty: known by its mount point alone
  std::vector<std::string> mounts;
  const char* folder = "";  // a folder of the device taken as the mount point (a missing one)
};

// Plays a list of steps, each the drives plugged in at that moment, by their letters. After each
// recorder it notes which drive got a clock file and removes it, so that a second write shows,
// and tells as departed the mounts that `left` gives for the drive just written, once: "B>A" is
// drive A unplugged and plugged in again while B was written.
class ScriptedSystem : public WatchSystem {
 public:
  ScriptedSystem(std::vector<std::string> steps, std::map<char, Drive> drives,
                 std::string left = "")
      : steps_(std::move(steps)), drives_(std::move(drives)), left_(std::move(left)) {}

  bool WaitForChange() override { return ++step_ < steps_.size(); }
  void Notify(std::string_view, std::string_view text) override {
    notifications_.emplace_back(text);
  }
  void WatchDepartures(const std::vector<std::string>& mounts) override {
    EXPECT_FALSE(watching_) << "watched twice without Departed";
    watching_ = true;
    watched_ = mounts;
  }
  std::vector<std::string> Departed() override {
    EXPECT_TRUE(watching_) << "Departed without WatchDepartures";
    watching_ = false;
    std::vector<std::string> departed;
    for (char name : steps_[step_]) {
      const TempDevice& device = *drives_.at(name).device;
      if (!device.Exists("date_time.cfg")) continue;
      written_ += name + std::to_string(step_) + ' ';
      clock_files_[name] = device.Read("date_time.cfg");
      std::filesystem::remove(device.Path("date_time.cfg"));
      // Each one once.
      for (std::size_t at = 0; at + 2 < left_.size(); at += 4) {
        if (left_[at] != name) continue;
        for (const std::string& mount : drives_.at(left_[at + 2]).mounts) {
          EXPECT_NE(std::find(watched_.begin(), watched_.end(), mount), watched_.end()) << mount;
          departed.push_back(mount);
        }
        left_[at] = ' ';
      }
    }
    return departed;
  }

  std::vector<device::Volume> Volumes() const {
    std::vector<device::Volume> volumes;
    for (char name : steps_[step_]) {
      const Drive& drive = drives_.at(name);
      const std::filesystem::path place =
          *drive.folder == '\0' ? drive.device->root() : drive.device->Path(drive.folder);
      volumes.push_back({place, "", drive.device_number, drive.mounts});
    }
    return volumes;
  }
  const std::string& written() const { return written_; }
  // The last clock file written on a drive.
  std::string clock_file(char name) const {
    return clock_files_.contains(name) ? clock_files_.at(name) : "";
  }
  const std::vector<std::string>& notifications() const { return notifications_; }

 private:
  std::vector<std::string> steps_;
  std::map<char, Drive> drives_;
  std::string left_;
  std::size_t step_ = 0;
  bool watching_ = false;
  std::vector<std::string> watched_;
  std::string written_;
  std::map<char, std::string> clock_files_;
  std::vector<std::string> notifications_;
};

struct Watched {
  int status;
  std::string out;
  std::string err;
};

Watched Watch(ScriptedSystem& system, const std::vector<SetRequest>& sets = {}) {
  const support::FixedClock clock(support::kSomeTime);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  const int status = RunWatch(
      sets, [&system] { return system.Volumes(); }, system, clock);
  std::string out = testing::internal::GetCapturedStdout();
  return {status, out, testing::internal::GetCapturedStderr()};
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = 0; (at = text.find(part, at)) != std::string::npos; at += part.size())
    ++count;
  return count;
}

TEST(WatchCommandTest, EachPlugInIsWrittenOnce) {
  TempDevice recorder, other_recorder, failing, stick, gone;
  std::filesystem::create_directory(recorder.Path("VOICE"));
  std::filesystem::create_directory(other_recorder.Path("VOICE"));
  failing.Write("ravlen_setting.ini", "4x\r\n");  // not a digit: a run-time failure
  const std::map<char, Drive> drives = {
      {'A', {&recorder, "8:1", {"20 8:1"}}},
      {'B', {&other_recorder, "8:2", {"21 8:2"}}},
      // B bind-mounted at a second place, then only there: its first place is unmounted.
      {'b', {&other_recorder, "8:2", {"21 8:2", "22 8:2"}}},
      {'c', {&other_recorder, "8:2", {"22 8:2"}}},
      // Another recorder at A's place, under A's freed mount ID.
      {'X', {&recorder, "8:9", {"20 8:9"}}},
      // Known by its mount point alone.
      {'P', {&recorder, "", {}}},
      {'F', {&failing, "8:3", {"23 8:3"}}},
      {'S', {&stick, "8:4", {"24 8:4"}}},
      // A volume whose root cannot be read.
      {'U', {&gone, "8:5", {"25 8:5"}, "missing"}},
  };
  struct Case {
    const char* what;
    std::vector<std::string> steps;
    std::string left;     // mounts that left during a write (ScriptedSystem)
    std::string written;  // drive and step of each clock file
    int failures;         // lines that are not "done"
  };
  const Case cases[] = {
      {"plugged in before the watch, kept in", {"A", "A", "A"}, "", "A0 ", 0},
      {"plugged in later", {"", "", "A"}, "", "A2 ", 0},
      {"unplugged and plugged in again", {"A", "", "A", "A"}, "", "A0 A2 ", 0},
      {"a second one beside the first", {"A", "AB", "B"}, "", "A0 B1 ", 0},
      {"unplugged and plugged in again while another was written",
       {"AB", "AB"},
       "B>A",
       "A0 B0 A0 ",
       0},
      {"unplugged and plugged in again while itself was written", {"A", "A"}, "A>A", "A0 A0 ", 0},
      {"a departure elsewhere changes nothing", {"ABS", "ABS"}, "B>S", "A0 B0 ", 0},
      {"a bind mount, then only the bind mount", {"B", "b", "c", "c"}, "", "B0 ", 0},
      {"another recorder at the same place", {"A", "X", "A"}, "", "A0 X1 A2 ", 0},
      {"known by its mount point", {"P", "P", "", "P"}, "", "P0 P3 ", 0},
      {"a drive that is no recorder", {"S", "S"}, "", "", 0},
      {"one that fails does not stop the watch", {"F", "FA"}, "", "A1 ", 1},
      {"unreadable: one line per plug-in", {"U", "UA", "A", "U"}, "", "A1 ", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedSystem system(c.steps, drives, c.left);
    const Watched watched = Watch(system);
    EXPECT_EQ(watched.status, app::kExitDone);
    EXPECT_EQ(system.written(), c.written);
    // One line and one notification for each recorder written or failed.
    const std::size_t lines = Count(watched.out, "\n"), done = Count(watched.out, ": done\n");
    EXPECT_EQ(lines - done, static_cast<std::size_t>(c.failures)) << watched.out;
    EXPECT_EQ(done * 3, c.written.size()) << watched.out;
    EXPECT_EQ(system.notifications().size(), lines);
    EXPECT_TRUE(stick.Names().empty());
  }
}

TEST(WatchCommandTest, AnUnreadableRootIsToldOfOnce) {
  TempDevice gone;
  ScriptedSystem system({"U", "U"}, {{'U', {&gone, "8:5", {"25 8:5"}, "missing"}}});
  const Watched watched = Watch(system);
  const std::string root = app::Utf8(gone.Path("missing"));
  // With the system's reason, in its words.
  EXPECT_EQ(watched.out.rfind(root + ": cannot be read (", 0), 0u) << watched.out;
  EXPECT_TRUE(watched.out.ends_with("); nothing was written\n")) << watched.out;
  EXPECT_EQ(Count(watched.out, "\n"), 1u) << watched.out;
  ASSERT_EQ(system.notifications().size(), 1u);
  EXPECT_NE(system.notifications()[0].find("cannot be read"), std::string::npos);
  EXPECT_NE(system.notifications()[0].find("nothing was written"), std::string::npos);
}

// A recorder's settings line: the model code, the capability flags, the block, the version.
std::string Line(char model, std::string_view block) {
  return support::BuildSettingsLine(
      {.model = model, .block = std::string(block), .version = "FW 1.00"});
}

// The sets apply on every recorder as --start applies them; one that a recorder's screen does not
// take is left out there, and the recorder gets its clock file all the same.
TEST(WatchCommandTest, SetsApplyWhereTheRecorderTakesThem) {
  struct Case {
    const char* what;
    std::string line;  // none: no settings file
    std::vector<SetRequest> sets;
    const char* block;              // written after the date and time; none: not looked at
    std::vector<std::string> said;  // after "ROOT: done"; none: nothing
  };
  const std::string form11 = Line('3', "41000001000000");
  const Case cases[] = {
      {"taken", form11, {{"VOS Level", "- 2"}}, "E44000001000000", {}},
      {"no settings file",
       "",
       {{"VOS Level", "+ 1"}},
       "",
       {"; not applied: --set \"VOS Level=+ 1\": this recorder has no settings file"}},
      {"a model without a screen",
       Line('7', "00000000000000"),
       {{"Frame1", "PCM"}},
       nullptr,
       {"--set \"Frame1=PCM\": this recorder's model has no settings screen"}},
      {"a setting the model lacks",
       Line('4', "20000000000000"),
       {{"Repeat", "All"}},
       "E20000000000000",
       {"; not applied: --set \"Repeat=All\": the screen of this recorder (Form12) has no "
        "setting"}},
      {"a choice not offered",
       form11,
       {{"VOS Level", "+ 3"}},
       "E41000001000000",
       {"has no choice \"+ 3\""}},
      {"one taken, one left out",
       form11,
       {{"Language", "Klingon"}, {"VOS Level", "- 2"}},
       "E44000001000000",
       {"; not applied: --set \"Language=Klingon\""}},
      {"both left out",
       form11,
       {{"VOS Level", "+ 3"}, {"Combo1", "HQ"}},
       "E41000001000000",
       {"; not applied: --set \"VOS Level=+ 3\"", "; --set \"Combo1=HQ\""}},
      {"the same setting twice",
       form11,
       {{"VOS Level", "- 2"}, {"Frame2", "+ 1"}},
       "E44000001000000",
       {"\"VOS Level\" is set twice"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDevice recorder;
    std::filesystem::create_directory(recorder.Path("VOICE"));
    if (!c.line.empty()) recorder.Write("ravlen_setting.ini", c.line + "\r\n");
    ScriptedSystem system({"A"}, {{'A', {&recorder, "8:1", {"20 8:1"}}}});
    const Watched watched = Watch(system, c.sets);
    EXPECT_EQ(system.written(), "A0 ");
    if (c.block != nullptr) {
      EXPECT_EQ(system.clock_file('A'), std::string(support::kSomeTimeText) + c.block + "\r\n");
    }
    const std::string done = app::Utf8(recorder.root()) + ": done";
    ASSERT_EQ(watched.out.rfind(done, 0), 0u) << watched.out;
    EXPECT_EQ(Count(watched.out, "\n"), 1u) << watched.out;
    if (c.said.empty()) {
      EXPECT_EQ(watched.out, done + "\n");
    }
    for (const std::string& said : c.said) {
      EXPECT_NE(watched.out.find(said), std::string::npos) << watched.out;
    }
    ASSERT_EQ(system.notifications().size(), 1u);
    EXPECT_NE(system.notifications()[0].find("clock is set"), std::string::npos);
    EXPECT_EQ(system.notifications()[0].find("not applied") != std::string::npos, !c.said.empty());
  }
}

// A set whose name no model's screen has ends --watch before it begins: 64, the message on
// stderr, no system made, nothing written.
TEST(WatchCommandTest, AnUnknownNameIsRefusedBeforeTheWatch) {
  struct Case {
    std::vector<std::string> arguments;
    bool refused;
    const char* said;
  };
  const Case cases[] = {
      {{"--watch", "--set", "Volume=Loud"}, true, "--set \"Volume=Loud\": no recorder's screen"},
      {{"--watch", "--set", "VOS Level=+ 1", "--set", "volume=loud"},
       true,
       "has a setting \"volume\""},
      // Names some screens have: a caption, one only a load gives, a control's name.
      {{"--watch", "--set", "  vos   LEVEL =+ 9"}, false, ""},
      {{"--watch", "--set", "ALC(Auto Level Contol)=On"}, false, ""},
      {{"--watch", "--set", "combo7=1"}, false, ""},
      {{"--watch", "--set", "Mode (Record Quality)=SP", "--set", "EQ(Equalizer)=Rock"}, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.back());
    TempDevice recorder, place;
    std::filesystem::create_directory(recorder.Path("VOICE"));
    const auto before = support::Snapshot(recorder);
    bool made = false;
    const support::FixedClock clock(support::kSomeTime);
    const CommandEnvironment environment{
        place.root(),
        [&] {
          return std::vector<device::Volume>{{recorder.root(), ""}};
        },
        clock,
        [&] {
          made = true;
          // Ends at once, having looked once.
          return std::make_unique<ScriptedSystem>(std::vector<std::string>{""},
                                                  std::map<char, Drive>{});
        }};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunCommandLine(c.arguments, environment);
    testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, c.refused ? app::kExitUsage : app::kExitDone);
    EXPECT_EQ(made, !c.refused);
    if (c.refused) {
      EXPECT_NE(err.find(c.said), std::string::npos) << err;
      EXPECT_NE(err.find("The settings: Mode (Record Quality)"), std::string::npos) << err;
      EXPECT_EQ(support::Snapshot(recorder), before);
    }
  }
}

// The bookkeeping alone. Each look is a list of volumes "device:mount,mount" at one place each;
// `handle` the volumes of the look that get handled, `left` the mounts that go meanwhile.
TEST(PlugInsTest, KnowsEachPlugInByItsDeviceAndMounts) {
  struct Look {
    std::vector<std::string> volumes;
    std::vector<std::string> expected;  // not handled yet
    std::vector<std::string> left = {};
  };
  struct Case {
    const char* what;
    std::vector<Look> looks;
  };
  const Case cases[] = {
      {"stays", {{{"a:1"}, {"a:1"}}, {{"a:1"}, {}}, {{"a:1"}, {}}}},
      {"gone and back", {{{"a:1"}, {"a:1"}}, {{}, {}}, {{"a:1"}, {"a:1"}}}},
      {"left and back between two looks",
       {{{"a:1", "b:2"}, {"a:1", "b:2"}, {"1"}}, {{"a:1", "b:2"}, {"a:1"}}}},
      {"a mount left, another stays",
       {{{"a:1,2"}, {"a:1,2"}, {"1"}}, {{"a:2"}, {}}, {{"a:2,3"}, {}}}},
      {"a bind mount comes, the first place goes",
       {{{"a:1"}, {"a:1"}}, {{"a:1,2"}, {}}, {{"a:2"}, {}}, {{"a:2"}, {}}}},
      {"the same mount ID on another device", {{{"a:1"}, {"a:1"}}, {{"b:1"}, {"b:1"}}}},
      {"a new mount of the same device", {{{"a:1"}, {"a:1"}}, {{"a:3"}, {"a:3"}}}},
      {"a departure that is not known", {{{"a:1"}, {"a:1"}, {"9"}}, {{"a:1"}, {}}}},
      {"two volumes, one gone",
       {{{"a:1", "b:2"}, {"a:1", "b:2"}}, {{"b:2"}, {}}, {{"a:1", "b:2"}, {"a:1"}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PlugIns plug_ins;
    for (std::size_t i = 0; i < c.looks.size(); ++i) {
      SCOPED_TRACE("look " + std::to_string(i));
      const Look& look = c.looks[i];
      std::vector<device::Volume> volumes;
      for (const std::string& text : look.volumes) {
        // Named by its label: a mount point with a colon is no path on Windows.
        device::Volume volume{"/media/volume", text};
        volume.device = text.substr(0, text.find(':'));
        std::string mounts = text.substr(text.find(':') + 1);
        for (std::size_t at = 0; at != std::string::npos;) {
          const std::size_t comma = mounts.find(',', at);
          volume.mounts.push_back(mounts.substr(at, comma - at));
          at = comma == std::string::npos ? comma : comma + 1;
        }
        volumes.push_back(volume);
      }
      std::vector<std::string> not_handled;
      for (const device::Volume& volume : plug_ins.NotHandled(volumes)) {
        not_handled.push_back(volume.label);
        plug_ins.Handled(volume);
      }
      EXPECT_EQ(not_handled, look.expected);
      plug_ins.Left(look.left);
    }
  }
}

// A clock that no time server sets is named in the notification as well as on stderr.
TEST(WatchCommandTest, NotificationNamesAnUnsynchronisedClock) {
  TempDevice recorder;
  std::filesystem::create_directory(recorder.Path("VOICE"));
  for (const auto sync : {device::ClockSync::kNotSynchronised, device::ClockSync::kSynchronised}) {
    ScriptedSystem system({"A"}, {{'A', {&recorder, "8:1", {"20 8:1"}}}});
    const support::FixedClock clock(support::kSomeTime, sync);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    RunWatch(
        {}, [&system] { return system.Volumes(); }, system, clock);
    testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    const bool warned = sync == device::ClockSync::kNotSynchronised;
    EXPECT_EQ(err.find("not synchronised with a time server") != std::string::npos, warned) << err;
    ASSERT_EQ(system.notifications().size(), 1u);
    EXPECT_EQ(system.notifications()[0].find("not synchronised") != std::string::npos, warned);
  }
}

// A standard output that fails (its reader gone: `--watch | head -1`) stops the lines, not the
// watch: every recorder is still written and notified, and standard error says so once.
TEST(WatchCommandTest, GoesOnWhenStandardOutputFails) {
  struct FailingOutput : std::streambuf {
    int_type overflow(int_type) override { return traits_type::eof(); }
  } failing;
  TempDevice recorder;
  std::filesystem::create_directory(recorder.Path("VOICE"));
  ScriptedSystem system({"A", "", "A", "", "A"}, {{'A', {&recorder, "8:1", {"20 8:1"}}}});
  const support::FixedClock clock(support::kSomeTime);
  std::streambuf* const output = std::cout.rdbuf(&failing);
  testing::internal::CaptureStderr();
  RunWatch(
      {}, [&system] { return system.Volumes(); }, system, clock);
  const std::string err = testing::internal::GetCapturedStderr();
  std::cout.rdbuf(output);
  std::cout.clear();
  EXPECT_EQ(system.written(), "A0 A2 A4 ");
  EXPECT_EQ(system.notifications().size(), 3u);
  const std::string closed = "Standard output can no longer be written";
  const std::size_t first = err.find(closed);
  EXPECT_NE(first, std::string::npos) << err;
  EXPECT_EQ(err.find(closed, first + 1), std::string::npos) << err;
}

// The watch in the language in use: its first line on stderr, each recorder's line on stdout and
// its notification, for a recorder with a set it leaves out and for a root that cannot be read.
struct LanguageCase {
  const char* name;
  language::Language language;
  const char* watching;    // stderr begins with it
  const char* done;        // after the root, on a line that goes on with the sets left out
  const char* unreadable;  // after the root
  const char* set;         // the notification of the recorder begins with it
  const char* held;        // all that a second watch says
};

void PrintTo(const LanguageCase& c, std::ostream* out) {
  *out << c.name;
}

class WatchLanguageTest : public testing::TestWithParam<LanguageCase> {
 protected:
  void SetUp() override { language::UseLanguage(GetParam().language); }
  void TearDown() override { language::UseLanguage(language::Language::kEnglish); }
};

TEST_P(WatchLanguageTest, LinesAndNotificationsAreTranslated) {
  const LanguageCase& c = GetParam();
  TempDevice recorder, gone;
  std::filesystem::create_directory(recorder.Path("VOICE"));
  ScriptedSystem system({"UA"}, {{'A', {&recorder, "8:1", {"20 8:1"}}},
                                 {'U', {&gone, "8:5", {"25 8:5"}, "missing"}}});
  const Watched watched = Watch(system, {{"VOS Level", "+ 1"}});
  EXPECT_EQ(watched.err.rfind(c.watching, 0), 0u) << watched.err;
  const std::string unreadable = app::Utf8(gone.Path("missing")) + c.unreadable;
  const std::string done = app::Utf8(recorder.root()) + c.done;
  EXPECT_EQ(watched.out.rfind(unreadable, 0), 0u) << watched.out;
  EXPECT_NE(watched.out.find("\n" + done), std::string::npos) << watched.out;
  ASSERT_EQ(system.notifications().size(), 2u);
  // The notification tells the root's failure after the root: without the line's ": ".
  EXPECT_NE(system.notifications()[0].find(std::string(c.unreadable).substr(2)), std::string::npos)
      << system.notifications()[0];
  EXPECT_EQ(system.notifications()[1].rfind(c.set, 0), 0u) << system.notifications()[1];
}

#ifndef _WIN32
// A second watch of the user ends at once with 0, saying why. The user's lock lies in the test
// program's own runtime folder, so that no other test program's watch meets it (on Windows, where
// the lock is the user's mutex, scripts/lib/wine_languages.sh checks this).
TEST_P(WatchLanguageTest, ASecondWatchSaysWhyItEnds) {
  const char* const runtime = std::getenv("XDG_RUNTIME_DIR");
  ASSERT_NE(runtime, nullptr);
  const device::WatchLock first;
  EXPECT_FALSE(std::filesystem::is_empty(runtime))
      << "the lock is not in the test's runtime folder";
  const support::FixedClock clock(support::kSomeTime);
  bool made = false;
  const CommandEnvironment environment{{},
                                       [] { return std::vector<device::Volume>{}; },
                                       clock,
                                       [&made] {
                                         made = true;
                                         return std::make_unique<ScriptedSystem>(
                                             std::vector<std::string>{""}, std::map<char, Drive>{});
                                       }};
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_EQ(RunCommandLine({"--watch"}, environment), app::kExitDone);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(GetParam().held) + "\n");
  EXPECT_FALSE(made);
}
#endif

INSTANTIATE_TEST_SUITE_P(
    Languages, WatchLanguageTest,
    testing::Values(
        LanguageCase{
            "Korean", language::Language::kKorean, "녹음기가 연결되기를 기다리는 중입니다.",
            ": 완료; 적용하지 않음: ", ": 읽을 수 없습니다(", "녹음기의 시계를 설정했습니다(",
            "이 사용자의 감시가 이미 실행 중입니다. 이 감시는 끝납니다."},
        LanguageCase{"Japanese", language::Language::kJapanese,
                     "レコーダーの接続を監視しています。", ": 完了; 適用しませんでした: ",
                     ": 読み込めません (", "レコーダーの時計を設定しました (",
                     "このユーザーの監視はすでに実行中です。この監視は終了します。"},
        LanguageCase{"English", language::Language::kEnglish,
                     "Watching for recorders to be plugged in;",
                     ": done; not applied: ", ": cannot be read (", "The recorder's clock is set (",
                     "A watch is already running for this user; this one ends."}),
    [](const testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cli
