#pragma once

#include <cmath>

namespace ui {

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kStandardDpi = 96.0;  // the resolution of a 100 % scale

// Pixels for a length in twips at a logical resolution: 15 twips a pixel at 96 DPI.
inline int TwipsToPixels(int twips, double dots_per_inch) {
  return static_cast<int>(std::lround(twips * dots_per_inch / kTwipsPerInch));
}

// Pixels at a logical resolution for a length in pixels at 96 DPI, halves rounded away from zero.
inline int ScalePixels(int pixels_at_96, double dots_per_inch) {
  return static_cast<int>(std::lround(pixels_at_96 * dots_per_inch / kStandardDpi));
}

}  // namespace ui
