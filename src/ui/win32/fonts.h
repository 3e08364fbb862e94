#pragma once

#include "ui/win32/windows_api.h"

#include <map>
#include <utility>

#include "screens/layout.h"

namespace ui::win32 {

// The fonts of one window at its resolution, made once each and deleted with the cache. The
// screens are laid out for Gulim; where it is missing, Arial stands in.
class FontCache {
 public:
  explicit FontCache(UINT dpi) : dpi_(dpi) {}
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // The font for a control's layout font; the window's default font for a size of 0.
  HFONT Get(const screens::Font& font);

 private:
  UINT dpi_;
  std::map<std::pair<double, bool>, HFONT> fonts_;
};

// Points of the window's default font, for controls whose layout gives none.
inline constexpr double kDefaultPoints = 9;

}  // namespace ui::win32
