#include "cli/texts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "app/program.h"
#include "cli/headless_front_end.h"
#include "cli/language_option.h"
#include "cli/options.h"
#include "cli/output_text.h"
#include "cli/run_program.h"
#include "language/language.h"

namespace cli {
namespace {

// A terminal draws Hangul, kana and ideographs two columns wide; a broken sequence takes a column
// a byte, so a line never looks shorter than it is.
TEST(TerminalColumnsTest, CountsWideCharactersTwice) {
  const std::pair<const char*, std::size_t> cases[] = {{"VOS Level", 9},
                                                       {"\xc2\xb5s", 2},
                                                       {"\xeb\x85\xb9\xec\x9d\x8c", 4},
                                                       {"\xe3\x83\xac\xe3\x83\xbc", 4},
                                                       {"\xef\xbc\x91", 2},
                                                       {"\xe3\x83", 2}};
  for (const auto& [text, columns] : cases) EXPECT_EQ(TerminalColumns(text), columns) << text;
}

using language::Language;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  if (start != text.size()) lines.push_back(text.substr(start));
  return lines;
}

// A language in use for one test, English again after it.
class InLanguage {
 public:
  explicit InLanguage(Language language) { language::UseLanguage(language); }
  ~InLanguage() { language::UseLanguage(Language::kEnglish); }
  InLanguage(const InLanguage&) = delete;
  InLanguage& operator=(const InLanguage&) = delete;
};

struct HelpRow {
  const char* name;
  Language language;
  HelpSystem system;
  std::vector<const char*> says;  // besides what every row of its system says
};

void PrintTo(const HelpRow& row, std::ostream* out) {
  *out << row.name;
}

class HelpTextTest : public ::testing::TestWithParam<HelpRow> {};

// The help of each system fits a terminal of 80 columns in every language, and speaks of that
// system only; a translated help keeps the option names, paths and examples' command lines.
TEST_P(HelpTextTest, FitsIn79ColumnsAndSpeaksOfItsSystem) {
  const HelpRow& row = GetParam();
  const InLanguage in_language(row.language);
  const bool windows = row.system == HelpSystem::kWindows;
  std::vector<const char*> says = row.says;
  if (windows) {
    says.insert(says.end(), {" E:\n", "/?", "%LOCALAPPDATA%", "  datetime-cfg-creator --watch\n"});
  } else {
    says.insert(says.end(), {"SIGHUP", "/media/me/REC", "systemctl", "FAT", "$XDG_STATE_HOME"});
  }
  std::vector<const char*> never_says =
      windows ? std::vector<const char*>{"SIGHUP", "SIGTERM", "/media", "systemctl", "FAT"}
              : std::vector<const char*>{"E:", "Stop watching", "/?", "%LOCALAPPDATA%"};
  if (row.language != Language::kEnglish)
    never_says.insert(never_says.end(), {"Options:", "Exit status:", "Examples:", "Usage:"});
  says.insert(says.end(), {"\n  --set NAME=CHOICE  ", "\n  datetime-cfg-creator --start --all\n",
                           "\"pc_clock_synchronised\""});

  const std::string help = HelpText(row.system);
  for (const std::string& line : Lines(help)) EXPECT_LE(TerminalColumns(line), 79u) << line;
  EXPECT_TRUE(help.ends_with("\n")) << "the help ends with a line break";
  EXPECT_TRUE(help.starts_with(UsageText()));
  for (const char* text : says) EXPECT_NE(help.find(text), std::string::npos) << text;
  for (const char* text : never_says) EXPECT_EQ(help.find(text), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndSystems, HelpTextTest,
                         ::testing::Values(HelpRow{"English_Linux",
                                                   Language::kEnglish,
                                                   HelpSystem::kLinux,
                                                   {"Exit status:", "mounted FAT volume"}},
                                           HelpRow{"English_Windows",
                                                   Language::kEnglish,
                                                   HelpSystem::kWindows,
                                                   {"Exit status:", "\"Stop watching\"",
                                                    "Startup folder", "removable or USB"}},
                                           HelpRow{"Korean_Linux",
                                                   Language::kKorean,
                                                   HelpSystem::kLinux,
                                                   {"\n종료 상태:\n", "마운트된 FAT 볼륨"}},
                                           HelpRow{"Korean_Windows",
                                                   Language::kKorean,
                                                   HelpSystem::kWindows,
                                                   {"\n옵션:\n", "이동식 또는 USB"}},
                                           HelpRow{"Japanese_Linux",
                                                   Language::kJapanese,
                                                   HelpSystem::kLinux,
                                                   {"\n例:\n", "マウントされた FAT"}},
                                           HelpRow{"Japanese_Windows",
                                                   Language::kJapanese,
                                                   HelpSystem::kWindows,
                                                   {"\nオプション:\n", "リムーバブル"}}),
                         [](const ::testing::TestParamInfo<HelpRow>& info) {
                           return std::string(info.param.name);
                         });

// In every language each usage line is the English one's command after a word that the
// translation chooses, and the commands start in one column.
TEST(UsageTextTest, TranslatedLinesKeepTheCommandsInOneColumn) {
  const std::vector<std::string> english = Lines(UsageText());
  for (const Language language : {Language::kKorean, Language::kJapanese}) {
    SCOPED_TRACE(static_cast<int>(language));
    const InLanguage in_language(language);
    const std::vector<std::string> lines = Lines(UsageText());
    ASSERT_EQ(lines.size(), english.size());
    std::size_t column = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string command = english[i].substr(english[i].find("datetime-cfg-creator"));
      ASSERT_TRUE(lines[i].ends_with(command)) << lines[i];
      const std::size_t start = TerminalColumns(lines[i]) - TerminalColumns(command);
      if (i == 0) column = start;
      EXPECT_EQ(start, column) << lines[i];
      EXPECT_EQ(lines[i].find("Usage"), std::string::npos) << lines[i];
    }
  }
}

// A usage error in Korean or Japanese is a whole translated sentence that still names the option
// and the modes, and the usage lines after it are translated too.
TEST(UsageTextTest, UsageErrorsAreTranslatedAndNameTheOption) {
  struct Case {
    const char* what;
    Language language;
    std::vector<std::string> arguments;
    const char* why;
  };
  const Case cases[] = {
      {"goes_with",
       Language::kKorean,
       {"--show", "--set", "A=B"},
       "--set은(는) --start 또는 --watch와(과) 함께 사용합니다"},
      {"language_code",
       Language::kKorean,
       {"--show", "--language", "de"},
       "--language에는 \"de\"이(가) 아니라 ko, ja 또는 en을 지정하세요"},
      {"unknown_option",
       Language::kJapanese,
       {"--start", "--bogus"},
       "不明なオプション「--bogus」"},
      {"wants_not",
       Language::kJapanese,
       {"--start", "--set", "VOS"},
       "--set には「VOS」ではなく NAME=CHOICE が必要です"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const InLanguage in_language(c.language);
    // As the program reads them: --language first.
    std::vector<std::string> arguments = c.arguments;
    const LanguageOption language = TakeLanguageOption(arguments);
    const auto parsed = ParseCommandLine(arguments);
    const std::string* why = language.wrong ? &*language.wrong : std::get_if<std::string>(&parsed);
    ASSERT_NE(why, nullptr);
    EXPECT_EQ(*why, c.why);
    const std::string text = UsageErrorText(*why);
    EXPECT_TRUE(text.starts_with("datetime-cfg-creator: " + *why + "\n" + UsageText())) << text;
    EXPECT_EQ(text.find("Try '"), std::string::npos) << text;
  }
}

// --language picks the language of --help and of a usage error through the whole program,
// wherever it stands.
TEST(UsageTextTest, ProgramSpeaksTheLanguageAsked) {
  struct Case {
    const char* what;
    std::vector<std::string> arguments;
    int status;
    std::vector<const char*> said;  // on stdout for status 0, else on stderr
  };
  const Case cases[] = {
      {"help_in_korean", {"--language", "ko", "--help"}, app::kExitDone, {"\n옵션:\n", "사용법: "}},
      {"usage_error_in_japanese",
       {"--start", "--bogus", "--language=ja"},
       app::kExitUsage,
       {"不明なオプション「--bogus」", "使い方: "}},
      {"help_in_english", {"--help", "--language", "en"}, app::kExitDone, {"\nOptions:\n"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const InLanguage english_after(Language::kEnglish);
    HeadlessFrontEnd front_end;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunProgram(front_end, c.arguments, std::filesystem::temp_directory_path(),
                                  [] { return std::vector<device::Volume>{}; });
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, c.status);
    const std::string& said = c.status == app::kExitDone ? out : err;
    for (const char* text : c.said) EXPECT_NE(said.find(text), std::string::npos) << said;
  }
}

// The usage lines name each mode with the options it takes, and begin --help and every usage
// error.
TEST(UsageTextTest, NamesEachModeWithItsOptions) {
  const std::string usage(UsageText());
  EXPECT_EQ(usage,
            "Usage: datetime-cfg-creator [DEVICE_ROOT]\n"
            "  or:  datetime-cfg-creator --start [--set NAME=CHOICE]... [DEVICE_ROOT...]\n"
            "  or:  datetime-cfg-creator --start [--set NAME=CHOICE]... --all\n"
            "  or:  datetime-cfg-creator --show [--json] [--all | DEVICE_ROOT...]\n"
            "  or:  datetime-cfg-creator --watch [--set NAME=CHOICE]...\n"
            "  or:  datetime-cfg-creator --history [--json] [DEVICE_ROOT]\n"
            "  or:  datetime-cfg-creator --undo DEVICE_ROOT\n");
  for (const HelpSystem system : {HelpSystem::kLinux, HelpSystem::kWindows})
    EXPECT_TRUE(HelpText(system).starts_with(usage));
  EXPECT_TRUE(UsageErrorText("why").starts_with("datetime-cfg-creator: why\n" + usage));
}

}  // namespace
}  // namespace cli
