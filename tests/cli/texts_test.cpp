#include "cli/texts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/output_text.h"

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

// The help of each system fits a terminal of 80 columns and speaks of that system only.
TEST(HelpTextTest, FitsIn79ColumnsAndSpeaksOfItsSystem) {
  struct Case {
    const char* what;
    HelpSystem system;
    std::vector<const char*> says;
    std::vector<const char*> never_says;
  };
  const Case cases[] = {
      {"Linux",
       HelpSystem::kLinux,
       {"SIGHUP", "/media/me/REC", "systemctl", "mounted FAT volume"},
       {"E:", "Stop watching", "/?"}},
      {"Windows",
       HelpSystem::kWindows,
       {" E:\n", "\"Stop watching\"", "Startup folder", "/?", "removable or USB"},
       {"SIGHUP", "SIGTERM", "/media", "systemctl", "FAT"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string help = HelpText(c.system);
    std::size_t start = 0;
    for (std::size_t end; (end = help.find('\n', start)) != std::string::npos; start = end + 1) {
      const std::string line = help.substr(start, end - start);
      EXPECT_LE(TerminalColumns(line), 79u) << line;
    }
    EXPECT_EQ(start, help.size()) << "the help ends with a line break";
    for (const char* text : c.says) EXPECT_NE(help.find(text), std::string::npos) << text;
    for (const char* text : c.never_says) EXPECT_EQ(help.find(text), std::string::npos) << text;
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
