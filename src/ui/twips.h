#pragma once

#include <algorithm>
#include <cmath>

namespace ui {

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kStandardDpi = 96.0;  // the resolution of a 100 % scale

// Pixels for a length in twips at a logical resolution: 15 twips a pixel at 96 DPI.
inline int TwipsToPixels(int twips, double dots_per_inch) {
  return static_cast<int>(std::lround(twips * dots_per_inch / kTwipsPerInch));
}

// The same, for a window shown at `scale` of its size at that resolution (FitScale).
inline int TwipsToPixels(int twips, double dots_per_inch, double scale) {
  return TwipsToPixels(twips, dots_per_inch * scale);
}

// Pixels at a logical resolution for a length in pixels at 96 DPI, halves rounded away from zero.
inline int ScalePixels(int pixels_at_96, double dots_per_inch) {
  return static_cast<int>(std::lround(pixels_at_96 * dots_per_inch / kStandardDpi));
}

// The smallest scale a window is shown at, however small the screen: its texts stay readable.
inline constexpr double kSmallestScale = 0.25;

// The share of its size that a window's layout (positions, sizes and fonts alike) is shown at, so
// that a client area of `width` x `height` pixels fits a room of `room_width` x `room_height`
// pixels (the monitor's work area less the window's frame): 1 where it fits, never more, and never
// less than kSmallestScale. Above that, lengths taken at this scale (TwipsToPixels from the same
// twips) round to no more than the room.
inline double FitScale(int width, int height, int room_width, int room_height) {
  double scale = 1;
  if (width > room_width && width > 0) scale = std::min(scale, double(room_width) / width);
  if (height > room_height && height > 0) scale = std::min(scale, double(room_height) / height);
  return std::max(scale, kSmallestScale);
}

}  // namespace ui
