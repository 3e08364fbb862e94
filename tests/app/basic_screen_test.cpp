#include <ostream>

#include "program_fixture.h"
#include "screens/line_builder.h"

namespace app {
namespace {

using Changes = std::vector<std::pair<int, char>>;
using support::kSomeTimeText;
using testing_support::Key;

// A settings line of model `model`: every flag "1", every setting "0", then the changes.
std::string Line(char model, const Changes& changes = {}) {
  return screens::testing_lines::Line(model, changes).bytes();
}

class BasicScreenTest : public ProgramTest {
 protected:
  void StartUpWith(const std::string& line) {
    device.Write("ravlen_setting.ini", line + "\r\n");
    StartUp();
    ASSERT_EQ(screen.WindowName(), "Form2");
  }
  testing_support::PixelSize Size(int width, int height) const {
    return {screen.Pixels(width), screen.Pixels(height)};
  }
};

template <typename Case>
class CaseTest : public BasicScreenTest, public ::testing::WithParamInterface<Case> {};

// Every case row below starts with its name, which becomes the test's name and shows as its value.
constexpr auto kRowName = [](const auto& info) { return std::string(info.param.name); };
template <typename Case>
requires requires(const Case& row) {
  row.name;
}
void PrintTo(const Case& row, std::ostream* out) {
  *out << row.name;
}

struct Opened {
  const char* name;
  char model;
  const char* window;
  int width;  // twips
  int height;
  const char* first_focus;
};
using SettingTest = CaseTest<Opened>;

TEST_P(SettingTest, OpensTheModelsOptionSettingScreenInPlaceOfTheBasicScreen) {
  StartUpWith(Line(GetParam().model));
  screen.Click("Command2");
  ASSERT_EQ(screen.WindowName(), GetParam().window);
  EXPECT_EQ(screen.WindowsOnScreen(), 1);  // the basic screen is gone
  EXPECT_EQ(screen.Title(), "Option Setting");
  EXPECT_EQ(screen.ClientSize(), Size(GetParam().width, GetParam().height));
  EXPECT_EQ(screen.FocusedControl(), GetParam().first_focus);
  EXPECT_EQ(screen.Text("Text1"), "VERSION 1.0.0.A");
  EXPECT_TRUE(program.window()->TimerRunning());
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(quits.empty());
}

INSTANTIATE_TEST_SUITE_P(BothModels, SettingTest,
                         ::testing::Values(Opened{"Model0", '0', "Form3", 9450, 6750, "Command1"},
                                           Opened{"Model1", '1', "Form4", 13950, 8535, "Text1"}),
                         kRowName);

// A version too long for its box is read from its start, also while the box has the focus.
TEST_F(BasicScreenTest, ALongVersionIsShownFromItsStart) {
  const std::string line = Line('1');
  StartUpWith(line.substr(0, line.size() - 15) + "FW 9.99 MMMMMMM");
  screen.Click("Command2");
  screen.ProcessEventsFor(50);
  ASSERT_EQ(screen.FocusedControl(), "Text1");
  EXPECT_TRUE(screen.ShowsTextFromItsStart("Text1"));
}

struct Replaced {
  const char* name;
  std::string line;  // the settings line when Setting is pressed
  std::string message;
  int status;
};
using ReplacedTest = CaseTest<Replaced>;

TEST_P(ReplacedTest, SettingReadsTheLineAfreshAndEndsWithoutWriting) {
  StartUpWith(Line('1'));
  device.Write("ravlen_setting.ini", GetParam().line + "\r\n");
  screen.Click("Command2");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(GetParam().message), std::string::npos) << messages[0];
  EXPECT_EQ(quits, std::vector<int>{GetParam().status});
  EXPECT_EQ(program.window(), nullptr);
  EXPECT_EQ(screen.WindowName(), "none");
  EXPECT_EQ(device.Names(), std::vector<std::string>{"ravlen_setting.ini"});
  EXPECT_EQ(device.Read("ravlen_setting.ini"), GetParam().line + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReplacedTest,
    ::testing::Values(Replaced{"OtherModel", Line('4'), "Ravlen_setting.ini File Error",
                               kExitFileError},
                      Replaced{"NoModelDigit", Line('X'), "position 1", kExitRuntimeFailure},
                      Replaced{"FlagOutOfRange", Line('0', {{10, '2'}}),
                               "Ravlen_setting.ini File Error", kExitFileError}),
    kRowName);

TEST_F(BasicScreenTest, BasicScreenIsGoneBeforeTheOptionSettingScreenLoads) {
  StartUpWith(Line('1'));
  device.Write("ravlen_setting.ini", Line('0', {{10, '2'}}) + "\r\n");
  screen.Click("Command2");
  EXPECT_EQ(front_end.windows_behind, std::vector<int>{0});
}

TEST_F(BasicScreenTest, WritesTheDateOnlyClockLineAndLeavesTheSettingsFileAlone) {
  StartUpWith(Line('0'));
  device.SetDosBits("ravlen_setting.ini", 0x2);
  device.SetReadOnly("ravlen_setting.ini", true);
  screen.PressStart();
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_EQ(device.Read("date_time.cfg"), std::string(kSomeTimeText) + "\r\n");
  EXPECT_EQ(device.Read("ravlen_setting.ini"), Line('0') + "\r\n");
  EXPECT_EQ(device.DosBits("ravlen_setting.ini"), 0x2u);
  EXPECT_TRUE(device.IsReadOnly("ravlen_setting.ini"));
  EXPECT_EQ(device.Names(), (std::vector<std::string>{"date_time.cfg", "ravlen_setting.ini"}));
}

TEST_F(BasicScreenTest, WindowFollowsItsLayout) {
  StartUpWith(Line('1'));
  EXPECT_EQ(screen.Title(), "date_time.cfg Creator V2.2");
  EXPECT_EQ(screen.ClientSize(), Size(4680, 3495));
  EXPECT_EQ(screen.Geometry("Command2"),
            (testing_support::PixelRect{screen.Pixels(3600), screen.Pixels(240), screen.Pixels(855),
                                        screen.Pixels(615)}));
  EXPECT_EQ(screen.FocusedControl(), "Command1");
  EXPECT_EQ(screen.TabOrder("Command1", 2), (std::vector<std::string>{"Command1", "Command2"}));
  EXPECT_TRUE(program.window()->TimerRunning());
}

// Enter presses the focused push button, as Space does, and no other control.
TEST_F(BasicScreenTest, EnterPressesTheFocusedButton) {
  StartUpWith(Line('0'));
  screen.Press("Command2", Key::kEnter);
  ASSERT_EQ(screen.WindowName(), "Form3");
  screen.Press("Option2", Key::kEnter);
  EXPECT_FALSE(screen.Checked("Option2"));
  EXPECT_TRUE(quits.empty());
  screen.Press("Command1", Key::kEnter);
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_EQ(device.Read("date_time.cfg"), std::string(kSomeTimeText) + "E00000000000000\r\n");
}

struct TabInto {
  const char* name;
  Changes changes;
  const char* clicked;  // before the Tab; none: the load's choice stays
  const char* from;     // the Tab stop before the group
  const char* lands_on;
};
using TabIntoTest = CaseTest<TabInto>;

// Tab enters a group of option buttons at its checked button, wherever it stands in the group.
TEST_P(TabIntoTest, TabEntersAGroupAtItsChoice) {
  StartUpWith(Line('0', GetParam().changes));
  screen.Click("Command2");
  if (GetParam().clicked) screen.Click(GetParam().clicked);
  screen.Press(GetParam().from, Key::kTab);
  EXPECT_EQ(screen.FocusedControl(), GetParam().lands_on);
}

// Frame2's buttons are reached from "- 2" (Option11) up, Frame3's from "Low" (Option14) up.
INSTANTIATE_TEST_SUITE_P(
    Groups, TabIntoTest,
    ::testing::Values(TabInto{"LoadedFirst", {}, nullptr, "Option1", "Option7"},
                      TabInto{"LoadedThird", {{19, '2'}}, nullptr, "Option1", "Option9"},
                      TabInto{"Clicked", {}, "Option10", "Option1", "Option10"},
                      TabInto{"NextGroupLoaded", {{20, '1'}}, nullptr, "Option7", "Option13"}),
    kRowName);

struct Version {
  const char* name;
  std::size_t length;  // of the settings line
  const char* shown;   // UTF-8
  char last = 'A';     // the version text's last byte (Latin-1)
};
using VersionTest = CaseTest<Version>;

TEST_P(VersionTest, Label2ShowsTheVersionTextThereIs) {
  std::string line = Line('0') + "TRAILING";
  line[line.find("1.0.0.A") + 6] = GetParam().last;
  StartUpWith(line.substr(0, GetParam().length));
  EXPECT_EQ(screen.Text("Label2"), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Lengths, VersionTest,
                         ::testing::Values(Version{"CutInTheVersion", 40, "VERSION "},
                                           Version{"EndingBeforeTheVersion", 30, ""},
                                           Version{"WithTrailingText", 55, "VERSION 1.0.0.A"},
                                           Version{"Latin1Byte", 55, "VERSION 1.0.0.\xc2\xb5",
                                                   '\xb5'}),
                         kRowName);

struct Clicks {
  const char* name;
  char model;
  Changes changes;
  const char* chosen;               // clicked first; none: the load's selection stays
  std::vector<const char*> greyed;  // clicked after it
  std::string block;
};
using ClicksTest = CaseTest<Clicks>;

TEST_P(ClicksTest, GreyedButtonCannotBeChosen) {
  StartUpWith(Line(GetParam().model, GetParam().changes));
  screen.Click("Command2");
  if (GetParam().chosen) screen.Click(GetParam().chosen);
  for (const char* name : GetParam().greyed) {
    screen.Click(name);
    EXPECT_FALSE(screen.Enabled(name)) << name;
    EXPECT_FALSE(screen.Checked(name)) << name;
  }
  if (GetParam().chosen) {
    EXPECT_TRUE(screen.Checked(GetParam().chosen));
  }
  screen.PressStart();
  EXPECT_EQ(device.Read("date_time.cfg"),
            std::string(kSomeTimeText) + "E" + GetParam().block + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Flags, ClicksTest,
    ::testing::Values(
        Clicks{"Model0Flag3", '0', {{3, '5'}}, "Option2", {"Option1"}, "10000000000000"},
        Clicks{
            "Model0Flag5", '0', {{5, '2'}, {20, '2'}}, "Option13", {"Option14"}, "00100000000000"},
        Clicks{"Model1Flag8Is4",
               '1',
               {{8, '4'}},
               "Option23",
               {"Option24", "Option25"},
               "00000100000000"},
        Clicks{"Model1Flag8Is5", '1', {{8, '5'}}, nullptr, {"Option23"}, "00000000000000"},
        Clicks{
            "Model1Flag11", '1', {{11, '2'}, {26, '3'}}, nullptr, {"Option38"}, "00000000300000"}),
    kRowName);

struct FullFlags {
  const char* name;
  char model;
  std::string settings;  // positions 18 to 31
  std::string block;
};
using FullFlagsTest = CaseTest<FullFlags>;

TEST_P(FullFlagsTest, StartWithoutChangesWritesTheBlockToBothFiles) {
  Changes changes;
  for (std::size_t i = 0; i < GetParam().settings.size(); ++i) {
    changes.emplace_back(18 + static_cast<int>(i), GetParam().settings[i]);
  }
  const std::string line = Line(GetParam().model, changes);
  StartUpWith(line);
  screen.Click("Command2");
  screen.PressStart();
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_EQ(device.Read("date_time.cfg"),
            std::string(kSomeTimeText) + "E" + GetParam().block + "\r\n");
  EXPECT_EQ(device.Read("ravlen_setting.bak"),
            line.substr(0, 17) + GetParam().block + line.substr(31) + "\r\n");
  EXPECT_EQ(device.DosBits("ravlen_setting.bak"), 0x2u);
  EXPECT_FALSE(device.Exists("ravlen_setting.ini"));
}

INSTANTIATE_TEST_SUITE_P(
    BothModels, FullFlagsTest,
    ::testing::Values(FullFlags{"Model0", '0', "21015551999999", "21010001000000"},
                      FullFlags{"Model1", '1', "32104370299999", "32104370200000"}),
    kRowName);

}  // namespace
}  // namespace app
