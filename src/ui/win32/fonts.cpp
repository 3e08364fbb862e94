#include "ui/win32/fonts.h"

#include <cmath>
#include <initializer_list>

#include "language/language.h"

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

// The first installed of the faces made for the language in use: the screens' own Gulim for
// English, the system's UI fonts for Korean and Japanese; Noto CJK stands in where Windows'
// own are missing (Wine).
const wchar_t* FirstInstalled(std::initializer_list<const wchar_t*> faces) {
  for (const wchar_t* face : faces) {
    if (Installed(face)) return face;
  }
  return nullptr;
}

const wchar_t* Typeface() {
  // Each language's face is looked up once: enumerating the installed fonts is slow.
  static const wchar_t* const english = Installed(L"Gulim") ? L"Gulim" : L"Arial";
  switch (language::LanguageInUse()) {
    case language::Language::kKorean: {
      static const wchar_t* const korean =
          FirstInstalled({L"Malgun Gothic", L"Gulim", L"Noto Sans CJK KR"});
      return korean != nullptr ? korean : english;
    }
    case language::Language::kJapanese: {
      static const wchar_t* const japanese =
          FirstInstalled({L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic", L"Noto Sans CJK JP"});
      return japanese != nullptr ? japanese : english;
    }
    case language::Language::kEnglish:
      break;
  }
  return english;
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
