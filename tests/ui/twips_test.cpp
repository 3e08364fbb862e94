#include <gtest/gtest.h>

#include "ui/twips.h"

namespace {

// Both conversions round to the nearest pixel, halves away from zero, as Windows' MulDiv does:
// a truncation or a round-half-to-even would move controls by a pixel.
TEST(Twips, RoundToTheNearestPixel) {
  struct Case {
    int length;
    double dpi;
    int twips_pixels;
    int scaled_pixels;
  };
  const Case cases[] = {
      {7, 96, 0, 7},         // 0.47 pixels of twips
      {8, 96, 1, 8},         // 0.53 pixels of twips
      {1440, 96, 96, 1440},  // an inch of twips
      {6, 120, 1, 8},        // 0.5 pixels of twips, 7.5 scaled pixels
      {18, 120, 2, 23},      // 1.5 pixels of twips, 22.5 scaled pixels
      {1, 144, 0, 2},        // 1.5 scaled pixels
      {-6, 120, -1, -8},     // halves away from zero below zero too
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.length << " at " << c.dpi << " DPI");
    EXPECT_EQ(ui::TwipsToPixels(c.length, c.dpi), c.twips_pixels);
    EXPECT_EQ(ui::ScalePixels(c.length, c.dpi), c.scaled_pixels);
  }
}

}  // namespace
