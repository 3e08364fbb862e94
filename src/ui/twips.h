#pragma once

#include <cmath>

namespace ui {

inline constexpr double kTwipsPerInch = 1440.0;

// Pixels for a length in twips at a logical resolution: 15 twips a pixel at 96 DPI.
inline int TwipsToPixels(int twips, double dots_per_inch) {
  return static_cast<int>(std::lround(twips * dots_per_inch / kTwipsPerInch));
}

}  // namespace ui
