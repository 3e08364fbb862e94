#include "screens/form12.h"

#include <gtest/gtest.h>

#include <string>

#include "device/errors.h"
#include "support/settings_line_builder.h"

namespace screens {
namespace {

// A model 4 settings line with the given mode availability code and recording mode.
device::SettingsLine Line(char availability, char mode, char rest_of_block = '0') {
  return device::SettingsLine(
      support::BuildSettingsLine({.model = '4',
                                  .flags = availability + std::string(13, '1'),
                                  .after_flags = '1',
                                  .block = mode + std::string(13, rest_of_block)}));
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
