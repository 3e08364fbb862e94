#include "device/settings_line.h"

#include <gtest/gtest.h>

#include <string>

#include "device/errors.h"
#include "device_layout.h"

namespace device {
namespace {

// Position p holds the p-th character of this text, so a test can tell every position apart.
constexpr std::string_view kPositions = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstu";

TEST(SettingsLineTest, CharactersAndRunsStopAtTheEndOfTheLine) {
  struct Case {
    int length;  // of the line
    int position;
    int run_length;
    std::string_view run;
  };
  const Case cases[] = {
      {20, 1, 1, "A"},
      {20, 20, 1, "T"},
      {20, 21, 1, ""},
      {20, 18, 14, "RST"},
      {20, 33, 15, ""},
      {40, 33, 15, "ghijklmn"},
      {40, 40, 1, "n"},
      {40, 41, 1, ""},
      {47, 33, 15, "ghijklmnopqrstu"},
      {47, 18, 14, "RSTUVWXYZabcde"},
      {47, 48, 1, ""},
      {47, 0, 3, ""},
      {47, 5, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "line of " << c.length << ", run " << c.position << "+" << c.run_length);
    const SettingsLine line(std::string(kPositions.substr(0, c.length)));
    EXPECT_EQ(line.Run(c.position, c.run_length), c.run);
    if (c.run_length == 1) {
      EXPECT_EQ(line.CharacterAt(c.position), c.run);
    }
    if (c.position == kVersionTextPosition) {
      EXPECT_EQ(line.VersionText(), c.run);
    }
  }
}

TEST(SettingsLineTest, DigitsCompareByValue) {
  const SettingsLine line("0459");
  EXPECT_EQ(DigitAt(line, 1), 0);
  EXPECT_EQ(DigitAt(line, 4), 9);
  EXPECT_TRUE(IsCode(line, 2, 4));
  EXPECT_FALSE(IsCode(line, 2, 5));
  EXPECT_FALSE(IsCode(line, 3, 4));
}

TEST(SettingsLineTest, ANonDigitIsAConversionFailureAtItsPosition) {
  struct Case {
    const char* name;
    std::string line;
    int position;
  };
  const Case cases[] = {
      {"letter", "X4", 1},
      {"blank", "4 5", 2},
      {"colon after 9", "45:", 3},
      {"slash before 0", "4/", 2},
      {"non-ASCII byte", "45\xC3\xA9", 3},
      {"NUL", std::string("4\0", 2), 2},
      {"past the end", "4567", 5},
      {"empty line", "", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SettingsLine line(c.line);
    try {
      IsCode(line, c.position, 0);
      ADD_FAILURE() << "IsCode accepted the character";
    } catch (const ConversionFailure& failure) {
      EXPECT_EQ(failure.position(), c.position);
      EXPECT_NE(std::string(failure.what()).find("Type mismatch"), std::string::npos);
    }
    EXPECT_THROW(DigitAt(line, c.position), ConversionFailure);
  }
}

TEST(SettingsLineTest, ARootWithoutASettingsFileNamesEveryCandidate) {
  testing::TempDevice device;
  const FileSystem file_system(device.root());
  try {
    LookUpSettingsLine(file_system);
    FAIL() << "no DeviceError";
  } catch (const DeviceError& error) {
    EXPECT_STREQ(error.what(),
                 "Could not read the settings file: the recorder holds none of "
                 "\"\\ravlen_setting.ini\", \"\\ravlen_setting.bak\", \"\\system_setting.ini\" "
                 "and \"\\system_setting.bak\".");
  }
}

}  // namespace
}  // namespace device
