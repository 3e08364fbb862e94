#include "language/builtin_catalogues.h"

#include <span>

// Made at build time from po/ko.po and po/ja.po by msgfmt and cmake/EmbedBytes.cmake.
extern const unsigned char kKoreanCatalogue[];
extern const std::size_t kKoreanCatalogueSize;
extern const unsigned char kJapaneseCatalogue[];
extern const std::size_t kJapaneseCatalogueSize;

namespace language {

const MessageCatalogue* BuiltinCatalogue(Language language) {
  static const MessageCatalogue korean({kKoreanCatalogue, kKoreanCatalogueSize});
  static const MessageCatalogue japanese({kJapaneseCatalogue, kJapaneseCatalogueSize});
  switch (language) {
    case Language::kKorean:
      return &korean;
    case Language::kJapanese:
      return &japanese;
    case Language::kEnglish:
      break;
  }
  return nullptr;
}

}  // namespace language
