#include <cstdlib>

#include "language/system_language.h"

namespace language {

Language SystemLanguage() {
  return LanguageFromEnvironment([](const char* name) { return std::getenv(name); });
}

}  // namespace language
