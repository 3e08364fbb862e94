#include "ui/win32/fonts.h"

#include <cmath>

namespace ui::win32 {
namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool Installed(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  ::wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  const HDC screen = ::GetDC(nullptr);
  ::EnumFontFamiliesExW(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  ::ReleaseDC(nullptr, screen);
  return found;
}

const wchar_t* Typeface() {
  static const wchar_t* const face = Installed(L"Gulim") ? L"Gulim" : L"Arial";
  return face;
}

}  // namespace

FontCache::~FontCache() {
  for (const auto& [key, font] : fonts_) ::DeleteObject(font);
}

HFONT FontCache::Get(const screens::Font& font) {
  const double points = font.points > 0 ? font.points : kDefaultPoints;
  const std::pair key{points, font.bold};
  if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  const int height = -static_cast<int>(std::lround(points * dpi_ / 72.0));
  const HFONT created = ::CreateFontW(
      height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, Typeface());
  fonts_.emplace(key, created);
  return created;
}

}  // namespace ui::win32
