#include "device/clock_file.h"

#include <gtest/gtest.h>

namespace device {
namespace {

struct ClockLineCase {
  LocalTime time;
  std::optional<std::string_view> block;
  std::string_view line;
};

TEST(ClockLineTest, FormatsEveryFieldWithLeadingZeros) {
  const ClockLineCase cases[] = {
      {{2026, 12, 7, 9, 5, 3}, std::nullopt, "2026 12 07 09 05 03"},
      {{2026, 12, 7, 9, 5, 3}, "20000000000000", "2026 12 07 09 05 03E20000000000000"},
      {{2026, 12, 31, 23, 59, 59}, std::nullopt, "2026 12 31 23 59 59"},
      {{2027, 1, 2, 3, 4, 5}, std::nullopt, "2027 01 02 03 04 05"},
      {{2027, 1, 2, 3, 4, 5}, "98765432109876", "2027 01 02 03 04 05E98765432109876"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(ClockLine(c.time, c.block), c.line);
  }
}

TEST(LiveClockTest, JoinsTheFieldsWithColons) {
  EXPECT_EQ(FormatLiveClock({2026, 12, 7, 9, 5, 3}), "2026:12:07:09:05:03");
  EXPECT_EQ(FormatLiveClock({2027, 1, 1, 0, 0, 0}), "2027:01:01:00:00:00");
}

}  // namespace
}  // namespace device
