#include "screens/form15.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "device/errors.h"
#include "device/write_back.h"
#include "support/settings_line_builder.h"

namespace screens {
namespace {

// Every tested flag "1"; the block holds 4 2 1 0 3 1 5 1 7 2 4 1 8 9 (positions 18 to 31).
const std::string kLine = support::BuildSettingsLine(
    {.model = '6', .block = "42103151724189", .version = "FW 6.00 MODEL-6"});

using Changes = support::LineChanges;

std::string Bytes(const Changes& changes) {
  return support::WithChanges(kLine, changes);
}

device::SettingsLine Line(const Changes& changes = {}) {
  return device::SettingsLine(Bytes(changes));
}

std::string Shown(const ScreenState& state, const char* list) {
  return std::string(ShownText(state.at(list)));
}

struct Feature {
  int flag;
  const char* list;
  const char* label;
  int line_position;  // of its setting
};

constexpr Feature kFeatures[] = {
    {3, "Combo1", "Label5", 18},    {4, "Combo2", "Label6", 19},    {5, "Combo3", "Label7", 20},
    {6, "Combo4", "Label8", 21},    {7, "Combo5", "Label9", 22},    {8, "Combo6", "Label10", 23},
    {9, "Combo7", "Label11", 24},   {10, "Combo8", "Label12", 25},  {12, "Combo10", "Label14", 27},
    {13, "Combo11", "Label15", 28}, {14, "Combo12", "Label13", 29},
};

TEST(Form15Test, EveryFlagOneSelectsEachSettingAndStartWritesItBack) {
  const ScreenState state = Load(Form15(), Line());
  const std::pair<const char*, const char*> shown[] = {
      {"Combo1", "  LP"},        {"Combo2", "   0 (Default)"},  {"Combo3", "  Normal"},
      {"Combo4", "  On"},        {"Combo5", "  10 second"},     {"Combo6", "  Folder"},
      {"Combo7", "  Ballad"},    {"Combo8", "  VOS On"},        {"Combo10", "  Japanese"},
      {"Combo11", "  1 minute"}, {"Combo12", "  MIC External"},
  };
  for (const auto& [list, text] : shown) EXPECT_EQ(Shown(state, list), text) << list;
  EXPECT_EQ(state.version_text, "FW 6.00 MODEL-6");
  EXPECT_FALSE(state.outer_height);
  EXPECT_FALSE(state.at("Label8").caption);
  EXPECT_EQ(Block(Form15(), state), "42103151024100");
}

TEST(Form15Test, FlagZeroHidesTheListAndItsLabelAndWritesZero) {
  for (const Feature& feature : kFeatures) {
    SCOPED_TRACE(feature.list);
    const ScreenState state = Load(Form15(), Line({{feature.flag, '0'}}));
    for (const Feature& other : kFeatures) {
      EXPECT_EQ(state.at(other.list).visible, &other != &feature) << other.list;
      EXPECT_EQ(state.at(other.label).visible, &other != &feature) << other.label;
    }
    std::string block = "42103151024100";
    block[feature.line_position - 18] = '0';
    EXPECT_EQ(Block(Form15(), state), block);
  }
}

TEST(Form15Test, EachPositionAcceptsOnlyItsDigits) {
  const std::pair<int, std::string_view> accepted[] = {
      {27, "012"},       {18, "01234"}, {25, "01"},    {19, "01234"}, {20, "012"}, {21, "01"},
      {24, "01234567"},  {23, "0123"},  {22, "01234"}, {28, "01234"}, {29, "01"},  {12, "01"},
      {3, "0123456789"}, {10, "01"},    {4, "01"},     {5, "0123"},   {6, "012"},  {9, "01"},
      {8, "012345"},     {7, "012"},    {13, "01"},    {14, "01"},
  };
  for (const auto& [position, digits] : accepted) {
    for (char digit = '0'; digit <= '9'; ++digit) {
      SCOPED_TRACE("position " + std::to_string(position) + " = " + digit);
      const auto line = Line({{position, digit}});
      if (digits.find(digit) != std::string_view::npos) {
        EXPECT_NO_THROW(Load(Form15(), line));
        continue;
      }
      // Positions 4, 10, 12, 13 and 14 show the message too rather than end without a word.
      try {
        Load(Form15(), line);
        ADD_FAILURE() << "accepted";
      } catch (const device::FileError& error) {
        EXPECT_STREQ(error.what(), "Ravlen.ini File Error");
      }
    }
  }
}

TEST(Form15Test, OnlyTheFirstFailureInTheOrderOfTheLoadCounts) {
  struct Case {
    const char* what;
    std::string line;
    int conversion_position;  // 0: the file error
  };
  const Case cases[] = {
      {"every setting before any flag", Bytes({{12, '0'}, {27, '5'}}), 0},
      {"language before recording mode", Bytes({{18, '7'}, {27, 'x'}}), 27},
      {"last setting before first flag", Bytes({{29, 'x'}, {12, '7'}}), 29},
      {"flag 12 before flag 3", Bytes({{12, '5'}, {3, 'x'}}), 0},
      {"flag 3 before flag 10", Bytes({{3, 'x'}, {10, '5'}}), 3},
      {"flag 7 before flag 14", Bytes({{14, 'x'}, {7, '9'}}), 0},
      {"flag 7 after flag 8", Bytes({{7, 'x'}, {8, '9'}}), 0},
      {"flag 7 before flag 13", Bytes({{7, 'x'}, {13, '5'}}), 7},
      {"blank is no digit", Bytes({{5, ' '}}), 5},
      {"line too short for position 29", kLine.substr(0, 28), 29},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      Load(Form15(), device::SettingsLine(c.line));
      ADD_FAILURE() << "accepted";
    } catch (const device::FileError&) {
      EXPECT_EQ(c.conversion_position, 0);
    } catch (const device::ConversionFailure& failure) {
      EXPECT_EQ(failure.position(), c.conversion_position);
    }
  }
}

TEST(Form15Test, NarrowedListsKeepTheCodeOfTheSelectedText) {
  struct Case {
    Changes changes;
    const char* list;
    std::vector<std::string> items;
    const char* shown;
    int block_position;
    char code;
  };
  const Case cases[] = {
      {{{3, '8'}, {18, '2'}}, "Combo1", {"  PCM", "  HQ"}, "  HQ", 1, '2'},
      {{{3, '5'}, {18, '4'}}, "Combo1", {"  XHQ", "  HQ", "  SP", "  LP"}, "  LP", 1, '4'},
      {{{3, '9'}, {18, '3'}}, "Combo1", {"  PCM", "  HQ", "  SP", "  LP"}, "  SP", 1, '3'},
      {{{5, '2'}}, "Combo3", {"  High", "  Normal"}, "  Normal", 3, '1'},
      {{{5, '3'}, {20, '2'}}, "Combo3", {"  High", "  Low"}, "  Low", 3, '2'},
      {{{7, '2'}},
       "Combo5",
       {"  On", "  60 second", "  30 second", "  10 second"},
       "  10 second",
       5,
       '3'},
      {{{8, '2'}}, "Combo6", {"  Off", "  1", "  Folder"}, "  Folder", 6, '1'},
      {{{8, '3'}, {23, '3'}}, "Combo6", {"  Off", "  1", "  All"}, "  All", 6, '3'},
      {{{8, '4'}, {23, '2'}}, "Combo6", {"  Off", "  1"}, "  1", 6, '2'},
      {{{8, '5'}}, "Combo6", {"  Off", "  Folder", "  All"}, "  Folder", 6, '1'},
      {{{6, '2'}, {21, '1'}}, "Combo4", {"  On", "  Off"}, "  Off", 4, '1'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.list) + " " + c.shown);
    const ScreenState state = Load(Form15(), Line(c.changes));
    EXPECT_EQ(state.at(c.list).items, c.items);
    EXPECT_TRUE(state.at(c.list).current);
    EXPECT_EQ(Shown(state, c.list), c.shown);
    EXPECT_EQ(Block(Form15(), state)[c.block_position - 1], c.code);
  }
}

TEST(Form15Test, ModeAvailabilityLeavesTheModesOfTheModel) {
  const std::vector<std::vector<std::string>> modes = {
      {},
      {"  PCM", "  XHQ", "  HQ", "  SP", "  LP"},
      {"  PCM", "  XHQ", "  HQ", "  SP"},
      {"  PCM", "  XHQ", "  HQ"},
      {"  PCM", "  XHQ"},
      {"  XHQ", "  HQ", "  SP", "  LP"},
      {"  XHQ", "  HQ", "  SP"},
      {"  XHQ", "  HQ"},
      {"  PCM", "  HQ"},
      {"  PCM", "  HQ", "  SP", "  LP"},
  };
  for (int code = 0; code <= 9; ++code) {
    SCOPED_TRACE(code);
    const ScreenState state = Load(Form15(), Line({{3, static_cast<char>('0' + code)}}));
    EXPECT_EQ(state.at("Combo1").items, modes[code]);
  }
}

TEST(Form15Test, AFlagThatRemovesTheSelectedItemKeepsTheRecordersSetting) {
  struct Case {
    Changes changes;
    const char* list;
    const char* removed;
    int block_position;
    char code;
    char last_item_code;
  };
  const Case cases[] = {
      {{{3, '2'}}, "Combo1", "  LP", 1, '4', '3'},
      {{{3, '8'}, {18, '1'}}, "Combo1", "  XHQ", 1, '1', '2'},
      {{{5, '2'}, {20, '2'}}, "Combo3", "  Low", 3, '2', '1'},
      {{{5, '3'}}, "Combo3", "  Normal", 3, '1', '2'},
      {{{7, '2'}, {22, '4'}}, "Combo5", "  3 second", 5, '4', '3'},
      {{{8, '3'}}, "Combo6", "  Folder", 6, '1', '3'},
      {{{8, '4'}, {23, '3'}}, "Combo6", "  All", 6, '3', '2'},
      {{{8, '5'}, {23, '2'}}, "Combo6", "  1", 6, '2', '3'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.removed);
    ScreenState state = Load(Form15(), Line(c.changes));
    ControlState& list = state.at(c.list);
    EXPECT_FALSE(list.current);
    EXPECT_EQ(std::count(list.items.begin(), list.items.end(), c.removed), 0);
    EXPECT_EQ(Shown(state, c.list), c.removed);
    EXPECT_EQ(Block(Form15(), state)[c.block_position - 1], c.code);
    list.current = static_cast<int>(list.items.size()) - 1;  // the user picks the last item left
    EXPECT_EQ(Block(Form15(), state)[c.block_position - 1], c.last_item_code);
  }
}

TEST(Form15Test, RepeatItemsCarrySwappedCodes) {
  const std::pair<char, const char*> codes[] = {
      {'0', "  Off"}, {'1', "  Folder"}, {'2', "  1"}, {'3', "  All"}};
  for (const auto& [code, text] : codes) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Shown(Load(Form15(), Line({{23, code}})), "Combo6"), text);
    ScreenState state = Load(Form15(), Line({{23, '0'}}));
    const auto& items = state.at("Combo6").items;
    state.at("Combo6").current =
        static_cast<int>(std::find(items.begin(), items.end(), text) - items.begin());
    EXPECT_EQ(Block(Form15(), state)[5], code);
  }
}

TEST(Form15Test, ShownTextMatchesAnItemOnlyExactly) {
  const std::pair<const char*, char> texts[] = {
      {"   0 (Default)", '2'},
      {"  0 (Default)", '9'},
      {"  +2 (Sensitivity Max)", '0'},
      {" +2 (Sensitivity Max)", '9'},
      {"  +2 (sensitivity max)", '9'},
      {"  +2 (Sensitivity Max) ", '9'},
      {"", '9'},
  };
  ScreenState state = Load(Form15(), Line());
  for (const auto& [text, code] : texts) {
    SCOPED_TRACE(text);
    state.at("Combo2").current.reset();
    state.at("Combo2").unlisted_text = text;
    EXPECT_EQ(Block(Form15(), state)[1], code);
  }
}

TEST(Form15Test, ALineWrittenByStartLoadsAgainWithTheSameSelections) {
  const Changes cases[] = {
      {},
      {{11, 'x'}, {15, 'y'}, {16, 'z'}, {26, 'a'}, {30, 'b'}, {31, 'c'}},
      {{3, '2'}, {5, '3'}, {7, '2'}, {8, '4'}, {22, '4'}, {23, '3'}},
      {{3, '7'}, {8, '5'}, {23, '2'}, {18, '1'}},
      {{6, '2'}, {14, '0'}, {12, '0'}},
  };
  for (const Changes& changes : cases) {
    const device::SettingsLine line = Line(changes);
    SCOPED_TRACE(line.bytes());
    const ScreenState first = Load(Form15(), line);
    const std::string rebuilt = device::RebuildSettingsLine(line.bytes(), Block(Form15(), first));
    EXPECT_EQ(rebuilt.substr(0, 17), line.bytes().substr(0, 17));
    const ScreenState again = Load(Form15(), device::SettingsLine(rebuilt));
    for (const Feature& feature : kFeatures) {
      EXPECT_EQ(again.at(feature.list).items, first.at(feature.list).items) << feature.list;
      if (!first.at(feature.list).visible) continue;
      EXPECT_EQ(Shown(again, feature.list), Shown(first, feature.list)) << feature.list;
    }
  }
}

TEST(Form15Test, AHiddenSettingComesBackAsItsFirstItemAndNoChoiceDoesNotLoad) {
  ScreenState state = Load(Form15(), Line({{12, '0'}}));
  std::string rebuilt = device::RebuildSettingsLine(kLine, Block(Form15(), state));
  EXPECT_EQ(rebuilt[26], '0');
  EXPECT_EQ(Shown(Load(Form15(), device::SettingsLine(rebuilt)), "Combo10"), "  Korean");

  state.at("Combo11").current.reset();
  rebuilt = device::RebuildSettingsLine(kLine, Block(Form15(), state));
  EXPECT_EQ(rebuilt[27], '9');
  EXPECT_THROW(Load(Form15(), device::SettingsLine(rebuilt)), device::FileError);
}

TEST(Form15Test, LowCutTwoRenamesItsLabelAndMicInputZeroCompactsTheWindow) {
  const ScreenState alc = Load(Form15(), Line({{6, '2'}}));
  EXPECT_EQ(alc.at("Label8").caption, "ALC(Auto Level Contol)");
  EXPECT_TRUE(alc.at("Label8").centred);
  EXPECT_TRUE(alc.at("Label8").visible);

  const ScreenState compact = Load(Form15(), Line({{14, '0'}}));
  EXPECT_EQ(compact.at("Frame3").top, 6460);
  EXPECT_EQ(compact.at("Command1").top, 7640);
  EXPECT_EQ(compact.outer_height, 9300);
  EXPECT_EQ(Block(Form15(), compact)[11], '0');
  const ScreenState full = Load(Form15(), Line({{14, '1'}}));
  EXPECT_FALSE(full.at("Frame3").top || full.at("Command1").top || full.outer_height);
}

}  // namespace
}  // namespace screens
