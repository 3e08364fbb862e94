#pragma once

#include "ui/win32/windows_api.h"

#include <map>
#include <utility>

#include "screens/layout.h"

namespace ui::win32 {

// The fonts of one window at its resolution, made once each and deleted with the cache. The
// screens are laid out for Gulim; where it is missing, Arial stands in. A window scaled down to
// fit its screen gives its resolution times its scale.
class FontCache {
 public:
  explicit FontCache(double dpi) : dpi_(dpi) {}
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // The font for a control's layout font; the window's default font for a size of 0.
  HFONT Get(const screens::Font& font);
  double dpi() const { return dpi_; }

 private:
  double dpi_;
  std::map<std::pair<double, bool>, HFONT> fonts_;
};

// Points of the window's default font, for controls whose layout gives none.
inline constexpr double kDefaultPoints = 9;

}  // namespace ui::win32
