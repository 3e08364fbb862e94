#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "language/language.h"

namespace language {

// A text for a person that can be written in any language: an English whole-sentence pattern,
// marked for the catalogues where it is written (a literal, which the message only refers to),
// and the values for its "{1}", "{2}", …. Each value is verbatim text (a path, the system's
// reason), which no language changes, or a message of its own, written in the same language.
// What a person reads is Shown(); what a record or a script keeps is English().
class Message {
 public:
  class Value {
   public:
    // Not explicit: a message's values are written as the texts and messages themselves.
    Value(std::string text) : verbatim_(std::move(text)) {}
    Value(std::string_view text) : verbatim_(text) {}
    Value(const char* text) : verbatim_(text) {}
    Value(Message message) : nested_(std::make_shared<const Message>(std::move(message))) {}

    std::string In(Language language) const;
    std::string Shown() const { return In(LanguageInUse()); }

   private:
    std::string verbatim_;
    std::shared_ptr<const Message> nested_;
  };

  explicit Message(std::string_view english_pattern, std::initializer_list<Value> values = {})
      : pattern_(english_pattern), values_(values) {}

  // The message in `language`: the pattern's translation (or the English where the catalogue has
  // none) filled with the values in that language.
  std::string In(Language language) const;
  std::string Shown() const { return In(LanguageInUse()); }
  std::string English() const { return In(Language::kEnglish); }

 private:
  std::string_view pattern_;
  std::vector<Value> values_;
};

}  // namespace language
