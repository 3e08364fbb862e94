#pragma once

#include "language/language.h"
#include "language/message_catalogue.h"

namespace language {

// The catalogue compiled into the program for `language`; null for English, the source.
const MessageCatalogue* BuiltinCatalogue(Language language);

}  // namespace language
