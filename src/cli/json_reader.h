#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cli {

// One JSON value as read from a file a person or a script wrote. Numbers keep their text, since
// nothing here computes with them; objects keep the last of repeated keys.
struct JsonValue {
  using Array = std::vector<JsonValue>;
  using Object = std::map<std::string, JsonValue, std::less<>>;
  struct Number {
    std::string text;
  };
  std::variant<std::nullptr_t, bool, Number, std::string, Array, Object> value;

  const std::string* AsString() const { return std::get_if<std::string>(&value); }
  const Array* AsArray() const { return std::get_if<Array>(&value); }
  const Object* AsObject() const { return std::get_if<Object>(&value); }
  // The member `key` of an object; null when this is no object or has no such member.
  const JsonValue* Member(std::string_view key) const;
};

struct JsonReadResult {
  std::optional<JsonValue> value;
  // Where reading stopped, when it failed: the line (from 1) and what was wrong there.
  std::size_t error_line = 0;
  std::string error;
};

// Reads one JSON text (RFC 8259) in UTF-8; blanks around it are allowed, nothing else after it.
JsonReadResult ReadJson(std::string_view text);

}  // namespace cli
