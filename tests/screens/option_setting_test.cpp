// The Option Setting screens of model codes 0 and 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "device/write_back.h"
#include "line_builder.h"
#include "screens/form3.h"
#include "screens/form4.h"

namespace screens {
namespace {

using testing_lines::Line;
using testing_lines::Outcome;
using Names = std::vector<std::string>;

struct Setting {
  int flag;      // capability flag: "0" hides the frame, "1" offers every button
  int position;  // the setting's code, which is also the selected button's place in `buttons`
  std::string frame;
  Names buttons;
  std::map<int, Names> greyed;  // the other digits the flag accepts, with the buttons they grey
};

const std::vector<Setting> kCommon = {
    {3,
     18,
     "Frame1",
     {"Option1", "Option2", "Option3", "Option4", "Option5"},
     {{2, {"Option5"}},
      {3, {"Option4", "Option5"}},
      {4, {"Option3", "Option4", "Option5"}},
      {5, {"Option1"}},
      {6, {"Option1", "Option5"}},
      {7, {"Option1", "Option4", "Option5"}},
      {8, {"Option2", "Option4", "Option5"}},
      {9, {"Option2"}}}},
    {10, 25, "Frame8", {"Option34", "Option35"}, {}},
    {4, 19, "Frame2", {"Option7", "Option8", "Option9", "Option10", "Option11"}, {}},
    {5, 20, "Frame3", {"Option12", "Option13", "Option14"}, {{2, {"Option14"}}, {3, {"Option13"}}}},
    {6, 21, "Frame4", {"Option15", "Option16"}, {}},
};

const std::vector<Setting> kExtended = {
    {7,
     22,
     "Frame5",
     {"Option17", "Option18", "Option19", "Option20", "Option21"},
     {{2, {"Option21"}}}},
    {8,
     23,
     "Frame6",
     {"Option22", "Option23", "Option24", "Option25"},
     {{2, {"Option25"}}, {3, {"Option24"}}, {4, {"Option24", "Option25"}}, {5, {"Option23"}}}},
    {9,
     24,
     "Frame7",
     {"Option26", "Option27", "Option28", "Option29", "Option30", "Option31", "Option32",
      "Option33"},
     {}},
    {11,
     26,
     "Frame9",
     {"Option36", "Option37", "Option38", "Option39"},
     {{2, {"Option38", "Option39"}}}},
};

struct Screen {
  const char* name;
  char model;
  const ScreenDescription& (*description)();
  std::vector<Setting> settings;
  std::vector<int> validation_order;
};

void PrintTo(const Screen& screen, std::ostream* out) {
  *out << screen.name;
}

std::vector<Setting> Both() {
  std::vector<Setting> all = kCommon;
  all.insert(all.end(), kExtended.begin(), kExtended.end());
  return all;
}

const Screen kScreens[] = {
    {"Form3", '0', Form3, kCommon, {3, 10, 4, 5, 6, 18, 25, 19, 20, 21}},
    {"Form4",
     '1',
     Form4,
     Both(),
     {3, 10, 4, 5, 6, 7, 8, 9, 11, 18, 25, 19, 20, 21, 22, 23, 24, 26}},
};

char Digit(int value) {
  return static_cast<char>('0' + value);
}

class OptionSettingTest : public ::testing::TestWithParam<Screen> {
 protected:
  const ScreenDescription& screen() const { return GetParam().description(); }
  device::SettingsLine LineWith(const std::vector<std::pair<int, char>>& changes) const {
    return Line(GetParam().model, changes);
  }
  bool Validated(int position) const {
    const auto& order = GetParam().validation_order;
    return std::find(order.begin(), order.end(), position) != order.end();
  }
};

TEST_P(OptionSettingTest, EveryFlagDigitHidesGreysOrIsRejected) {
  for (const Setting& setting : GetParam().settings) {
    for (int digit = 0; digit <= 9; ++digit) {
      SCOPED_TRACE("position " + std::to_string(setting.flag) + " = " + Digit(digit));
      const auto line = LineWith({{setting.flag, Digit(digit)}});
      const auto greyed = setting.greyed.find(digit);
      if (digit > 1 && greyed == setting.greyed.end()) {
        EXPECT_EQ(Outcome([&] { Load(screen(), line); }), "file error");
        continue;
      }
      const ScreenState state = Load(screen(), line);
      for (const auto& [name, control] : state.controls) {
        const bool disabled = greyed != setting.greyed.end() &&
                              std::count(greyed->second.begin(), greyed->second.end(), name);
        EXPECT_EQ(control.visible, digit != 0 || name != setting.frame) << name;
        EXPECT_EQ(control.enabled, !disabled) << name;
      }
    }
  }
}

TEST_P(OptionSettingTest, EverySettingDigitSelectsItsButtonOrIsRejected) {
  for (const Setting& setting : GetParam().settings) {
    for (int digit = 0; digit <= 9; ++digit) {
      SCOPED_TRACE("position " + std::to_string(setting.position) + " = " + Digit(digit));
      const auto line = LineWith({{setting.position, Digit(digit)}});
      if (digit >= static_cast<int>(setting.buttons.size())) {
        EXPECT_EQ(Outcome([&] { Load(screen(), line); }), "file error");
        continue;
      }
      const ScreenState state = Load(screen(), line);
      for (std::size_t i = 0; i < setting.buttons.size(); ++i) {
        EXPECT_EQ(state.at(setting.buttons[i]).selected, static_cast<int>(i) == digit);
      }
      std::string expected(14, '0');
      expected[static_cast<std::size_t>(setting.position - 18)] = Digit(digit);
      EXPECT_EQ(Block(screen(), state), expected);
    }
  }
}

TEST_P(OptionSettingTest, OnlyTheFirstFailureInValidationOrderCounts) {
  const auto& order = GetParam().validation_order;
  for (std::size_t i = 0; i < order.size(); ++i) {
    for (std::size_t j = i + 1; j < order.size(); ++j) {
      SCOPED_TRACE(std::to_string(order[i]) + " before " + std::to_string(order[j]));
      EXPECT_EQ(Outcome([&] {
                  Load(screen(), LineWith({{order[i], 'X'}, {order[j], 'X'}}));
                }),
                "no digit at " + std::to_string(order[i]));
      // Every validated position but the mode availability code rejects "9".
      if (order[i] == 3) continue;
      EXPECT_EQ(Outcome([&] {
                  Load(screen(), LineWith({{order[i], '9'}, {order[j], 'X'}}));
                }),
                "file error");
    }
  }
  const std::string short_line = LineWith({}).bytes().substr(0, 20);
  EXPECT_EQ(Outcome([&] { Load(screen(), device::SettingsLine(short_line)); }), "no digit at 25");
}

TEST_P(OptionSettingTest, PositionsTheScreenDoesNotValidateAreIgnoredAndWrittenAsZero) {
  std::vector<std::pair<int, char>> changes;
  for (int position = 2; position <= 31; ++position) {
    if (!Validated(position)) changes.emplace_back(position, 'X');
  }
  const ScreenState state = Load(screen(), LineWith(changes));
  const std::string block = Block(screen(), state);
  for (int position = 18; position <= 31; ++position) {
    if (!Validated(position)) {
      EXPECT_EQ(block[position - 18], '0') << position;
    }
  }
}

TEST_P(OptionSettingTest, LineWrittenByStartLoadsAgainToTheSameSelections) {
  const auto& settings = GetParam().settings;
  std::vector<std::pair<int, char>> highest;
  for (const Setting& setting : settings) {
    highest.emplace_back(setting.position, Digit(static_cast<int>(setting.buttons.size()) - 1));
  }
  for (const Setting& flagged : settings) {
    for (int digit = 0; digit <= 9; ++digit) {
      if (digit > 1 && !flagged.greyed.contains(digit)) continue;
      SCOPED_TRACE("position " + std::to_string(flagged.flag) + " = " + Digit(digit));
      auto changes = highest;
      changes.emplace_back(flagged.flag, Digit(digit));
      const auto line = LineWith(changes);
      const ScreenState first = Load(screen(), line);
      const std::string block = Block(screen(), first);
      const auto written = device::SettingsLine(device::RebuildSettingsLine(line.bytes(), block));
      const ScreenState again = Load(screen(), written);
      for (const Setting& setting : settings) {
        const bool shown = first.at(setting.frame).visible;
        for (std::size_t i = 0; i < setting.buttons.size(); ++i) {
          const std::string& button = setting.buttons[i];
          EXPECT_EQ(again.at(button).selected, shown ? first.at(button).selected : i == 0)
              << button;
        }
      }
      EXPECT_EQ(Block(screen(), again), block);
    }
  }
}

TEST_P(OptionSettingTest, EveryOptionButtonBelongsToTheGroupOfItsFrame) {
  const ScreenDescription& description = screen();
  EXPECT_EQ(description.window.name, GetParam().name);
  EXPECT_EQ(description.window.title, "Option Setting");
  std::map<std::string_view, std::string_view> frame_of;
  for (const OptionGroup& group : description.groups) {
    for (const std::string_view button : group.buttons) frame_of[button] = group.frame;
  }
  int option_buttons = 0;
  for (const Control& control : description.window.controls) {
    if (control.kind != ControlKind::kOptionButton) continue;
    ++option_buttons;
    EXPECT_EQ(frame_of[control.name], control.container) << control.name;
  }
  EXPECT_EQ(option_buttons, static_cast<int>(frame_of.size()));
}

INSTANTIATE_TEST_SUITE_P(BothModels, OptionSettingTest, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string(info.param.name); });

// Every validated flag "1", the given settings from position 18 on and "9" after them.
struct FullFlags {
  const ScreenDescription& (*description)();
  char model;
  std::string settings;
  Names selected;
  std::string block;
};

TEST(OptionSettingFullFlagsTest, OpensWithTheLinesSelectionsAndWritesItsBlock) {
  const FullFlags cases[] = {
      {Form3,
       '0',
       "21015551999999",
       {"Option3", "Option8", "Option12", "Option16", "Option35"},
       "21010001000000"},
      {Form4,
       '1',
       "32104370299999",
       {"Option4", "Option9", "Option13", "Option15", "Option21", "Option25", "Option33",
        "Option34", "Option38"},
       "32104370200000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.model);
    std::vector<std::pair<int, char>> changes;
    for (std::size_t i = 0; i < c.settings.size(); ++i) {
      changes.emplace_back(18 + static_cast<int>(i), c.settings[i]);
    }
    const ScreenState state = Load(c.description(), Line(c.model, changes));
    Names selected;
    for (const auto& [name, control] : state.controls) {
      EXPECT_TRUE(control.visible && control.enabled) << name;
      if (control.selected) selected.push_back(name);
    }
    std::sort(selected.begin(), selected.end());
    Names expected = c.selected;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(selected, expected);
    EXPECT_EQ(Block(c.description(), state), c.block);
  }
}

TEST(OptionSettingBlockTest, HiddenFrameWritesZeroAndAShownFrameWithoutChoiceNine) {
  ScreenState state = Load(Form4(), Line('1', {{9, '0'}, {24, '5'}, {26, '3'}}));
  EXPECT_FALSE(state.at("Frame7").visible);
  EXPECT_TRUE(state.at("Option31").selected);
  EXPECT_EQ(Block(Form4(), state), "00000000300000");
  state.at("Option39").selected = false;
  EXPECT_EQ(Block(Form4(), state), "00000000900000");
}

}  // namespace
}  // namespace screens
