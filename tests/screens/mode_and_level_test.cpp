// Behaviour that the model 2 to 5 screens share: the recording modes, and on all but model 4 the
// VOS level flag and the VOS level.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "device/errors.h"
#include "line_builder.h"
#include "screens/form10.h"
#include "screens/form11.h"
#include "screens/form12.h"
#include "screens/form13.h"

namespace screens {
namespace {

using testing_lines::Line;

struct Screen {
  const char* name;
  char model;
  const ScreenDescription& (*description)();
};

std::string PrintName(const ::testing::TestParamInfo<Screen>& info) {
  return info.param.name;
}
void PrintTo(const Screen& screen, std::ostream* out) {
  *out << screen.name;
}

class ModeAndLevelTest : public ::testing::TestWithParam<Screen> {
 protected:
  const ScreenDescription& screen() const { return GetParam().description(); }
  device::SettingsLine LineWith(const std::vector<std::pair<int, char>>& changes) const {
    return Line(GetParam().model, changes);
  }
};

constexpr const char* kModes[] = {"Option1", "Option2", "Option3", "Option4", "Option5"};
constexpr const char* kLevels[] = {"Option7", "Option8", "Option9", "Option10", "Option11"};

// What each mode availability code does to PCM, XHQ, HQ, SP and LP: 's' shown, 'h' hidden,
// 'g' greyed out. Code 0 hides the whole frame instead.
constexpr const char* kAvailability[] = {
    "sssss", "sssss", "ssssh", "ssshh", "sshhh", "hssss", "hsssh", "hsshh", "sgsgg", "sgsss",
};

using RecordingModeTest = ModeAndLevelTest;

TEST_P(RecordingModeTest, EveryAvailabilityCodeWithEveryRecordingMode) {
  for (int code = 0; code <= 9; ++code) {
    for (int mode = 0; mode <= 9; ++mode) {
      SCOPED_TRACE("availability " + std::to_string(code) + ", mode " + std::to_string(mode));
      const auto line =
          LineWith({{3, static_cast<char>('0' + code)}, {18, static_cast<char>('0' + mode)}});
      if (mode > 4) {
        EXPECT_THROW(Load(screen(), line), device::FileError);
        continue;
      }
      const ScreenState state = Load(screen(), line);
      EXPECT_EQ(state.at("Frame1").visible, code != 0);
      for (int button = 0; button < 5; ++button) {
        const ControlState& option = state.at(kModes[button]);
        const char expected = kAvailability[code][button];
        EXPECT_EQ(option.visible, expected != 'h') << kModes[button];
        EXPECT_EQ(option.enabled, expected != 'g') << kModes[button];
        // A withheld button that the line names stays selected and is written back.
        EXPECT_EQ(option.selected, button == mode) << kModes[button];
      }
      EXPECT_EQ(Block(screen(), state)[0], code == 0 ? '0' : '0' + mode);
    }
  }
}

TEST_P(ModeAndLevelTest, VosLevelFlagAndVosLevel) {
  for (int flag = 0; flag <= 9; ++flag) {
    for (int level = 0; level <= 9; ++level) {
      SCOPED_TRACE("flag " + std::to_string(flag) + ", level " + std::to_string(level));
      const auto line =
          LineWith({{4, static_cast<char>('0' + flag)}, {19, static_cast<char>('0' + level)}});
      // A frame hidden by its flag still validates its setting.
      if (flag > 1 || level > 4) {
        EXPECT_THROW(Load(screen(), line), device::FileError);
        continue;
      }
      const ScreenState state = Load(screen(), line);
      EXPECT_EQ(state.at("Frame2").visible, flag == 1);
      for (int button = 0; button < 5; ++button) {
        EXPECT_EQ(state.at(kLevels[button]).selected, button == level) << kLevels[button];
      }
      EXPECT_EQ(Block(screen(), state)[1], flag == 0 ? '0' : '0' + level);
    }
  }
}

TEST_P(ModeAndLevelTest, UneditedBlockPositionsAreZeroWhateverTheLineHeld) {
  const std::vector<std::pair<int, char>> changes = {{18, '3'}, {19, '1'}, {20, '5'},
                                                     {23, '7'}, {25, '1'}, {31, '9'}};
  const std::string block = Block(screen(), Load(screen(), LineWith(changes)));
  ASSERT_EQ(block.size(), 14u);
  for (std::size_t i = 2; i < block.size(); ++i) {
    if (i == 7 && GetParam().model == '3') continue;  // the VOS switch of the model 3 screen
    EXPECT_EQ(block[i], '0') << "block position " << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, ModeAndLevelTest,
                         ::testing::Values(Screen{"Form10", '2', &Form10},
                                           Screen{"Form11", '3', &Form11},
                                           Screen{"Form13", '5', &Form13}),
                         PrintName);

INSTANTIATE_TEST_SUITE_P(Screens, RecordingModeTest,
                         ::testing::Values(Screen{"Form10", '2', &Form10},
                                           Screen{"Form11", '3', &Form11},
                                           Screen{"Form12", '4', &Form12},
                                           Screen{"Form13", '5', &Form13}),
                         PrintName);

}  // namespace
}  // namespace screens
