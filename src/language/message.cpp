#include "language/message.h"

namespace language {

std::string Message::Value::In(Language language) const {
  return nested_ ? nested_->In(language) : verbatim_;
}

std::string Message::In(Language language) const {
  std::vector<std::string> values;
  values.reserve(values_.size());
  for (const Value& value : values_) values.push_back(value.In(language));
  return Fill(TranslateIn(language, {}, pattern_), values);
}

}  // namespace language
