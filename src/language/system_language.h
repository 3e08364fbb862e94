#pragma once

#include <functional>

#include "language/language.h"

namespace language {

// Reads an environment variable; null where it is not set.
using EnvironmentReader = std::function<const char*(const char*)>;

// The language of a POSIX locale as gettext chooses it: the locale's name from LC_ALL, else
// LC_MESSAGES, else LANG; then, unless that locale is "C" or "POSIX", the first language of the
// colon-separated LANGUAGE list that the program has. English where none is known.
Language LanguageFromEnvironment(const EnvironmentReader& read);

// This user's language: the locale on Linux, the user's UI language on Windows.
Language SystemLanguage();

}  // namespace language
