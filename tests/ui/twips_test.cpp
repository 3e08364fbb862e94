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

// A window's layout is scaled down just enough to fit its room, never up; its client area at that
// scale, from the same twips, is no larger than the room.
TEST(Twips, FitScaleShrinksTheLayoutUntilItFits) {
  struct Case {
    const char* name;
    int width_twips;
    int height_twips;
    double dpi;
    int room_width;
    int room_height;
    double scale;
  };
  const Case cases[] = {
      {"fits at 96 DPI", 7290, 9735, 96, 1272, 985, 1},
      {"exactly the room", 7290, 9735, 96, 486, 649, 1},
      {"a pixel too tall", 7290, 9735, 96, 486, 648, 648.0 / 649},
      {"model 6 at 192 DPI on 1280 x 1024", 7290, 9735, 192, 1272, 985, 985.0 / 1298},
      {"model 6 at 150 % on a 1080p laptop", 7290, 9735, 144, 1904, 969, 969.0 / 974},
      {"too wide", 14000, 3000, 144, 1000, 2000, 1000.0 / 1400},
      {"too wide and too tall: the tighter", 14000, 9735, 144, 1000, 600, 600.0 / 974},
      {"no room at all: the smallest scale", 7290, 9735, 96, 0, -30, ui::kSmallestScale},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int width = ui::TwipsToPixels(c.width_twips, c.dpi);
    const int height = ui::TwipsToPixels(c.height_twips, c.dpi);
    const double scale = ui::FitScale(width, height, c.room_width, c.room_height);
    EXPECT_DOUBLE_EQ(scale, c.scale);
    if (scale > ui::kSmallestScale) {
      EXPECT_LE(ui::TwipsToPixels(c.width_twips, c.dpi, scale), c.room_width);
      EXPECT_LE(ui::TwipsToPixels(c.height_twips, c.dpi, scale), c.room_height);
    }
  }
}
