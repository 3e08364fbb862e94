#include "screens/form11.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "line_builder.h"

namespace screens {
namespace {

using testing_lines::Line;
using testing_lines::Outcome;

TEST(Form11Test, VosSwitchFlagAndVosSwitch) {
  for (int flag = 0; flag <= 9; ++flag) {
    for (int vos = 0; vos <= 9; ++vos) {
      SCOPED_TRACE("flag " + std::to_string(flag) + ", switch " + std::to_string(vos));
      const auto line =
          Line('3', {{10, static_cast<char>('0' + flag)}, {25, static_cast<char>('0' + vos)}});
      if (flag > 1 || vos > 1) {
        EXPECT_THROW(Load(Form11(), line), device::FileError);
        continue;
      }
      const ScreenState state = Load(Form11(), line);
      EXPECT_EQ(state.at("Frame8").visible, flag == 1);
      EXPECT_EQ(state.at("Option34").selected, vos == 0);
      EXPECT_EQ(state.at("Option35").selected, vos == 1);
      EXPECT_EQ(Block(Form11(), state)[7], flag == 0 ? '0' : '0' + vos);
    }
  }
}

TEST(Form11Test, EachSettingGoesToItsOwnBlockPosition) {
  const ScreenState state = Load(Form11(), Line('3', {{18, '4'}, {19, '3'}, {25, '1'}}));
  EXPECT_EQ(Block(Form11(), state), "43000001000000");
  ScreenState none = state;
  none.at("Option35").selected = false;
  EXPECT_EQ(Block(Form11(), none), "43000009000000");
}

TEST(Form11Test, OnlyTheFirstFailureInTheOrder3_10_4_18_25_19Counts) {
  struct Case {
    std::vector<std::pair<int, char>> changes;
    const char* outcome;
  };
  const Case cases[] = {
      {{{3, 'X'}, {10, '2'}}, "no digit at 3"},
      {{{10, '2'}, {4, 'X'}}, "file error"},
      {{{10, 'X'}, {4, '2'}}, "no digit at 10"},
      {{{4, '2'}, {18, 'X'}}, "file error"},
      {{{4, 'X'}, {18, '7'}}, "no digit at 4"},
      {{{18, '5'}, {25, 'X'}}, "file error"},
      {{{18, 'X'}, {25, '2'}}, "no digit at 18"},
      {{{25, '2'}, {19, 'X'}}, "file error"},
      {{{25, 'X'}, {19, '5'}}, "no digit at 25"},
      {{{19, 'X'}}, "no digit at 19"},
      {{{10, '2'}, {25, '2'}}, "file error"},
      {{{5, 'X'}, {9, 'X'}, {11, 'X'}, {16, 'X'}, {20, 'X'}, {24, 'X'}, {26, 'X'}, {31, 'X'}},
       "loaded"},
  };
  for (const Case& c : cases) {
    const auto line = Line('3', c.changes);
    SCOPED_TRACE(line.bytes());
    EXPECT_EQ(Outcome([&] { Load(Form11(), line); }), c.outcome);
  }
}

TEST(Form11Test, LineEndingBeforeTheVosSwitchIsAConversionFailure) {
  const std::string line = Line('3', {}).bytes().substr(0, 24);
  EXPECT_EQ(Outcome([&] { Load(Form11(), device::SettingsLine(line)); }), "no digit at 25");
}

}  // namespace
}  // namespace screens
