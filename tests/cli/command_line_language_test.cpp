// The command line in Korean and Japanese: what it prints for a person is in the language in use,
// --set also takes the names and choices that language shows, and what a program reads (--json,
// the history of writes) stays English.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "app/utf8_path.h"
#include "cli/history_entry.h"
#include "cli/history_file.h"
#include "cli/output_text.h"
#include "cli/run_command_line.h"
#include "language/language.h"
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
using language::Language;
using support::TempDevice;

// Model 6 (a screen of lists) and model 1 (a screen of buttons).
std::string Line(char model, std::string_view block) {
  return support::BuildSettingsLine(
      {.model = model, .block = std::string(block), .version = "FW 1.00"});
}
const std::string kModel6 = Line('6', "42103151024100");
const std::string kModel1 = Line('1', "32111271300000");

struct Ran {
  int status;
  std::string out;
  std::string err;
};

class CommandLineLanguageTest : public ::testing::Test {
 protected:
  // The command line in `language`, with the program's folder elsewhere and no drive plugged in.
  Ran Command(Language in, const std::vector<std::string>& arguments) const {
    language::UseLanguage(in);
    const support::FixedClock clock(support::kSomeTime, ::device::ClockSync::kNotSynchronised);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunCommandLine(
        arguments, {place.root(), [] { return std::vector<::device::Volume>{}; }, clock, {}});
    std::string out = testing::internal::GetCapturedStdout();
    Ran ran{status, out, testing::internal::GetCapturedStderr()};
    language::UseLanguage(Language::kEnglish);
    return ran;
  }

  static void MakeRecorder(const TempDevice& recorder, const std::string& line) {
    std::filesystem::create_directory(recorder.Path("VOICE"));
    recorder.Write("ravlen_setting.ini", line + "\r\n");
  }

  TempDevice place;  // the program's folder: not a recorder
};

// The terminal column where each line's text matching `column` begins.
std::vector<std::size_t> ColumnsOf(const std::string& text, const std::regex& column) {
  std::vector<std::size_t> columns;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = text.substr(start, end - start);
    std::smatch found;
    if (std::regex_search(line, found, column))
      columns.push_back(TerminalColumns(line.substr(0, found.position(1))));
  }
  return columns;
}

struct ShowCase {
  const char* name;
  Language language;
  std::string line;
  std::vector<std::string> said;  // the headings, a caption and its choices as the window shows
  const char* control_heading;
};

class ShowInLanguage : public CommandLineLanguageTest,
                       public ::testing::WithParamInterface<ShowCase> {};

TEST_P(ShowInLanguage, PrintsTheWindowsTextsInLinedUpColumns) {
  const ShowCase& c = GetParam();
  const TempDevice recorder;
  MakeRecorder(recorder, c.line);
  const Ran show = Command(c.language, {"--show", Utf8(recorder.root())});
  ASSERT_EQ(show.status, kExitDone) << show.err;
  for (const std::string& text : c.said) EXPECT_NE(show.out.find(text), std::string::npos) << text;
  EXPECT_EQ(show.out.find("Setting"), std::string::npos) << show.out;

  // The values after "Root:" and the other labels start in one column, and so do the table's
  // control names, however wide the characters before them are.
  const std::vector<std::size_t> values = ColumnsOf(show.out, std::regex("^[^:]+: *([^ ])"));
  ASSERT_EQ(values.size(), 4u) << show.out;
  EXPECT_EQ(std::count(values.begin(), values.end(), values.front()), 4) << show.out;
  const std::vector<std::size_t> controls = ColumnsOf(
      show.out, std::regex("  ((Frame|Combo)\\d+|" + std::string(c.control_heading) + ")  "));
  ASSERT_GT(controls.size(), 2u) << show.out;
  EXPECT_EQ(std::count(controls.begin(), controls.end(), controls.front()), std::ssize(controls))
      << show.out;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, ShowInLanguage,
    ::testing::Values(ShowCase{"KoreanLists",
                               Language::kKorean,
                               kModel6,
                               {"루트:", "PC 시계: 동기화 안 됨", "선택 항목", "반복",
                                "끔, 1, 폴더", "VOS 켬"},
                               "컨트롤"},
                      ShowCase{"JapaneseLists",
                               Language::kJapanese,
                               kModel6,
                               {"バージョン: FW 1.00", "リピート", "オフ, 1, フォルダー"},
                               "コントロール"},
                      ShowCase{"KoreanButtons",
                               Language::kKorean,
                               kModel1,
                               {"모드 (녹음 음질)", "반복", "끔, 1, 폴더, 전체"},
                               "컨트롤"},
                      ShowCase{"JapaneseButtons",
                               Language::kJapanese,
                               kModel1,
                               {"ローカット（低周波カット）", "オフ, 1, フォルダー, すべて"},
                               "コントロール"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandLineLanguageTest, ShowJsonIsTheSameInEveryLanguage) {
  for (const std::string& line : {kModel6, kModel1}) {
    SCOPED_TRACE(line);
    const TempDevice recorder;
    MakeRecorder(recorder, line);
    const std::vector<std::string> show = {"--show", "--json", Utf8(recorder.root())};
    const Ran english = Command(Language::kEnglish, show);
    ASSERT_EQ(english.status, kExitDone) << english.err;
    EXPECT_EQ(Command(Language::kKorean, show).out, english.out);
    EXPECT_EQ(Command(Language::kJapanese, show).out, english.out);
  }
}

struct SetCase {
  const char* name;
  Language language;
  std::string line;
  std::string english_set;  // the --set in English
  std::string shown_set;    // the same --set as the language in use shows it
};

class SetInLanguage : public CommandLineLanguageTest,
                      public ::testing::WithParamInterface<SetCase> {};

TEST_P(SetInLanguage, ChangesTheRecorderAsTheEnglishSetDoes) {
  const SetCase& c = GetParam();
  const TempDevice by_english;
  const TempDevice by_shown;
  MakeRecorder(by_english, c.line);
  MakeRecorder(by_shown, c.line);
  const Ran english = Command(
      c.language, {"--start", "--no-history", "--set", c.english_set, Utf8(by_english.root())});
  ASSERT_EQ(english.status, kExitDone) << english.err;
  const Ran shown =
      Command(c.language, {"--start", "--no-history", "--set", c.shown_set, Utf8(by_shown.root())});
  ASSERT_EQ(shown.status, kExitDone) << shown.err;
  EXPECT_NE(by_shown.Read("ravlen_setting.bak"), c.line + "\r\n") << "the --set changes the line";
  EXPECT_EQ(support::Snapshot(by_shown), support::Snapshot(by_english));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, SetInLanguage,
    ::testing::Values(
        SetCase{"KoreanList", Language::kKorean, kModel6, "Repeat=All", "반복=전체"},
        SetCase{"KoreanBlanksAndCase", Language::kKorean, kModel6, "Mode (Record Quality)=SP",
                "  모드   (녹음 음질) = sp"},
        SetCase{"KoreanNameEnglishChoice", Language::kKorean, kModel6,
                "VOS Level=+1 (Sensitivity High)", "VOS 레벨=+1 (Sensitivity High)"},
        SetCase{"KoreanNameCodeDigit", Language::kKorean, kModel6, "EQ(Equalizer)=1",
                "EQ(이퀄라이저)=1"},
        SetCase{"KoreanButtons", Language::kKorean, kModel1, "Repeat=All", "반복=전체"},
        SetCase{"JapaneseIdeographicSpace", Language::kJapanese, kModel6, "VOS On/Off=VOS Off",
                "VOS\u3000オン/オフ=VOSオフ"},
        SetCase{"JapaneseList", Language::kJapanese, kModel6, "EQ(Equalizer)=Rock",
                "EQ（イコライザー）=ロック"},
        SetCase{"JapaneseEnglishNameShownChoice", Language::kJapanese, kModel6,
                "Screen Off Timer=3 second", "Screen Off Timer=3秒"},
        SetCase{"JapaneseButtons", Language::kJapanese, kModel1, "Folder=A Folder",
                "フォルダー=Aフォルダー"},
        SetCase{"JapaneseButtonsLowerCase", Language::kJapanese, kModel1, "LCD=3 s", "lcd=3秒"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandLineLanguageTest, RefusalsAreInTheLanguageInUse) {
  struct Case {
    const char* what;
    Language language;
    std::vector<std::string> arguments;  // the recorder's root follows
    int status;
    std::string said;
  };
  const TempDevice profile_folder;
  profile_folder.Write("ko.txt", "반복=폴더\n");
  const std::string korean_profile = Utf8(profile_folder.Path("ko.txt"));
  const Case cases[] = {
      {"choice not offered",
       Language::kKorean,
       {"--start", "--set", "반복=전체없음"},
       kExitUsage,
       "이 녹음기의 \"반복\"에는 \"전체없음\" 선택 항목이 없습니다. 선택 항목: 끔, 1, 폴더, 전체"},
      {"unknown name",
       Language::kJapanese,
       {"--start", "--set", "音量=大"},
       kExitUsage,
       "このレコーダーの画面（Form15）に設定「音量」はありません。"},
      {"a Korean name in English",
       Language::kEnglish,
       {"--start", "--set", "반복=폴더"},
       kExitUsage,
       "has no setting \"반복\""},
      {"a profile names settings in English only",
       Language::kKorean,
       {"--start", "--profile", korean_profile},
       kExitUsage,
       "어떤 녹음기의 화면에도 \"반복\" 설정이 없습니다."},
      {"nothing to undo",
       Language::kKorean,
       {"--undo"},
       kExitUsage,
       "되돌린 것이 없습니다: 이 PC의 이력에는 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TempDevice recorder;
    MakeRecorder(recorder, kModel6);
    const auto before = support::Snapshot(recorder);
    std::vector<std::string> arguments = c.arguments;
    arguments.push_back(Utf8(recorder.root()));
    const Ran ran = Command(c.language, arguments);
    EXPECT_EQ(ran.status, c.status);
    EXPECT_NE(ran.err.find(c.said), std::string::npos) << ran.err;
    EXPECT_EQ(support::Snapshot(recorder), before) << "a refusal writes nothing";
  }
}

std::vector<std::string> HistoryLinesNow() {
  return ReadHistoryLines(HistoryPath().value()).lines;
}

// The message of the one entry that `run` adds to the history.
std::string MessageRecordedBy(const std::function<void()>& run) {
  const std::size_t before = HistoryLinesNow().size();
  run();
  const std::vector<std::string> lines = HistoryLinesNow();
  if (lines.size() != before + 1) return std::to_string(lines.size() - before) + " entries added";
  const std::optional<HistoryEntry> entry = ParseHistoryLine(lines.back());
  return entry ? entry->message : "not an entry";
}

struct FailureCase {
  const char* name;
  std::vector<std::string> arguments;                                      // the root follows
  std::function<std::filesystem::path(const TempDevice& recorder)> spoil;  // gives the root
  int status;
  bool json;  // --show --json's "error" tells the reason, else the history's "message"
};

class FailureInLanguage : public CommandLineLanguageTest,
                          public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureInLanguage, ShowsTheReasonTranslatedAndKeepsItInEnglish) {
  const FailureCase& c = GetParam();
  // One recorder for every language, so that the messages name the same root: the failure
  // changes nothing that would make the next run fail otherwise.
  const TempDevice recorder;
  MakeRecorder(recorder, kModel6);
  std::vector<std::string> arguments = c.arguments;
  arguments.push_back(Utf8(c.spoil(recorder)));
  // What the failure printed in `in`, and what a script reads of it.
  const auto fail = [&](Language in) {
    Ran ran;
    const std::string recorded = MessageRecordedBy([&] { ran = Command(in, arguments); });
    return std::pair{ran, c.json ? ran.out : recorded};
  };
  const auto [english, english_kept] = fail(Language::kEnglish);
  ASSERT_EQ(english.status, c.status) << english.err;
  for (const Language in : {Language::kKorean, Language::kJapanese}) {
    SCOPED_TRACE(language::LanguageCode(in));
    const auto [ran, kept] = fail(in);
    EXPECT_EQ(ran.status, english.status);
    EXPECT_NE(ran.err, english.err) << "stderr is in the language in use: " << ran.err;
    EXPECT_EQ(kept, english_kept);
  }
}

std::filesystem::path ReadOnlyClockFile(const TempDevice& recorder) {
  recorder.Write("date_time.cfg", "2000 01 01 00 00 00\r\n");
  recorder.SetReadOnly("date_time.cfg", true);
  return recorder.root();
}

std::filesystem::path FolderWhereTheBakGoes(const TempDevice& recorder) {
  std::filesystem::create_directory(recorder.Path("ravlen_setting.bak"));
  return recorder.root();
}

std::filesystem::path ControlCharacterInTheBlock(const TempDevice& recorder) {
  recorder.Write("ravlen_setting.ini",
                 Line('6', std::string(1, '\x01') + "2103151024100") + "\r\n");
  return recorder.root();
}

std::filesystem::path RootIsAFile(const TempDevice& recorder) {
  recorder.Write("file", "");
  return recorder.Path("file");
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, FailureInLanguage,
    ::testing::Values(
        FailureCase{
            "ReadOnlyClockFile", {"--start"}, ReadOnlyClockFile, kExitRuntimeFailure, false},
        FailureCase{"FolderWhereTheBakGoes",
                    {"--start"},
                    FolderWhereTheBakGoes,
                    kExitRuntimeFailure,
                    false},
        FailureCase{"ControlCharacterInTheBlock",
                    {"--show", "--json"},
                    ControlCharacterInTheBlock,
                    kExitRuntimeFailure,
                    true},
        FailureCase{"RootIsAFile", {"--show", "--json"}, RootIsAFile, kExitUsage, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cli
