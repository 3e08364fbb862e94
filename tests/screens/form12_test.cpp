#include "screens/form12.h"

#include <gtest/gtest.h>

#include <string>

#include "device/errors.h"

namespace screens {
namespace {

// A model 4 settings line with the given mode availability code and recording mode.
device::SettingsLine Line(char availability, char mode, char rest_of_block = '0') {
  std::string line = "40";
  line += availability;
  line += std::string(14, '1');
  line += mode;
  line += std::string(13, rest_of_block);
  line += "0";
  line += "VERSION 1.0.0.A";
  return device::SettingsLine(line);
}

constexpr const char* kModes[] = {"Option1", "Option2", "Option3", "Option4", "Option5"};

// What each mode availability code does to PCM, XHQ, HQ, SP and LP: 's' shown, 'h' hidden,
// 'g' greyed out.
constexpr const char* kAvailability[] = {
    "sssss", "sssss", "ssssh", "ssshh", "sshhh", "hssss", "hsssh", "hsshh", "sgsgg", "sgsss",
};

TEST(Form12Test, EveryAvailabilityCodeWithEveryRecordingMode) {
  for (int code = 0; code <= 9; ++code) {
    for (int mode = 0; mode <= 9; ++mode) {
      SCOPED_TRACE("availability " + std::to_string(code) + ", mode " + std::to_string(mode));
      const auto line = Line(static_cast<char>('0' + code), static_cast<char>('0' + mode));
      if (mode > 4) {
        EXPECT_THROW(Load(Form12(), line), device::FileError);
        continue;
      }
      const ScreenState state = Load(Form12(), line);
      EXPECT_EQ(state.at("Frame1").visible, code != 0);
      for (int button = 0; button < 5; ++button) {
        const ControlState& option = state.at(kModes[button]);
        const char expected = kAvailability[code][button];
        EXPECT_EQ(option.visible, expected != 'h') << kModes[button];
        EXPECT_EQ(option.enabled, expected != 'g') << kModes[button];
        EXPECT_EQ(option.selected, button == mode) << kModes[button];
      }
      const std::string expected_block =
          std::string(1, code == 0 ? '0' : '0' + mode) + std::string(13, '0');
      EXPECT_EQ(Block(Form12(), state), expected_block);
    }
  }
}

TEST(Form12Test, BlockFollowsTheSelectionTheUserMade) {
  ScreenState state = Load(Form12(), Line('4', '4'));
  state.at("Option5").selected = false;
  state.at("Option1").selected = true;
  EXPECT_EQ(Block(Form12(), state), "00000000000000");
  state.at("Option1").selected = false;
  EXPECT_EQ(Block(Form12(), state), "90000000000000");
}

TEST(Form12Test, PositionsAfterTheRecordingModeAreWrittenAsZero) {
  EXPECT_EQ(Block(Form12(), Load(Form12(), Line('1', '2', '1'))), "20000000000000");
}

TEST(Form12Test, ConversionFailureNamesTheFirstPositionThatIsNoDigit) {
  struct Case {
    std::string line;
    int position;
  };
  const Case cases[] = {
      {"40X11111111111111"
       "2",
       3},  // before any button is touched
      {"40111111111111111"
       "A",
       18},
      {"40111111111111111", 18},  // the line ends before the recording mode
      {"40 11111111111111"
       "2",
       3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    try {
      Load(Form12(), device::SettingsLine(c.line));
      ADD_FAILURE() << "no conversion failure";
    } catch (const device::ConversionFailure& failure) {
      EXPECT_EQ(failure.position(), c.position);
    }
  }
}

TEST(Form12Test, FileErrorWinsOverALaterBadCharacterAndCarriesTheScreensMessage) {
  try {
    Load(Form12(), Line('0', '7'));
    ADD_FAILURE() << "no file error";
  } catch (const device::FileError& error) {
    EXPECT_STREQ(error.what(), "Ravlen_setting.ini File Error");
  }
}

TEST(Form12Test, VersionTextIsPositions33To47) {
  EXPECT_EQ(Load(Form12(), Line('1', '0')).version_text, "VERSION 1.0.0.A");
  const std::string short_line =
      "40111111111111111"
      "2"
      "0000000000000"
      "0"
      "V1.2";
  EXPECT_EQ(Load(Form12(), device::SettingsLine(short_line)).version_text, "V1.2");
}

}  // namespace
}  // namespace screens
