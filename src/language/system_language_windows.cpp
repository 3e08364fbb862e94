#include <windows.h>

#include "language/system_language.h"

namespace language {

Language SystemLanguage() {
  switch (PRIMARYLANGID(GetUserDefaultUILanguage())) {
    case LANG_KOREAN:
      return Language::kKorean;
    case LANG_JAPANESE:
      return Language::kJapanese;
    default:
      return Language::kEnglish;
  }
}

}  // namespace language
