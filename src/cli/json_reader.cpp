#include "cli/json_reader.h"

#include <cstdint>

#include "app/utf8_text.h"
#include "language/language.h"

namespace cli {
namespace {

using language::ToTranslate;

// Deep enough for any file this program reads, shallow enough that a hostile file cannot
// exhaust the stack.
constexpr int kMostNesting = 64;

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  JsonReadResult ReadDocument() {
    JsonReadResult result;
    SkipBlanks();
    JsonValue value;
    if (ReadValue(value, 0)) {
      SkipBlanks();
      if (at_ < text_.size()) Fail(ToTranslate("unexpected text after the end"));
    }
    if (!error_.empty()) {
      result.error = error_;
      result.error_line = LineOf(error_at_);
      return result;
    }
    result.value = std::move(value);
    return result;
  }

 private:
  // Keeps the first failure, in the language in use.
  bool Fail(std::string_view what) {
    if (error_.empty()) {
      error_ = std::string(language::Translate(what));
      error_at_ = at_;
    }
    return false;
  }

  std::size_t LineOf(std::size_t at) const {
    std::size_t line = 1;
    for (std::size_t i = 0; i < at && i < text_.size(); ++i) line += text_[i] == '\n';
    return line;
  }

  void SkipBlanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r')) {
      ++at_;
    }
  }

  bool Take(char c) {
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  bool TakeWord(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  bool ReadValue(JsonValue& value, int depth) {
    if (depth > kMostNesting) return Fail(ToTranslate("nested too deeply"));
    if (at_ >= text_.size()) return Fail(ToTranslate("the text ends where a value should be"));
    const char c = text_[at_];
    if (c == '{') return ReadObject(value, depth);
    if (c == '[') return ReadArray(value, depth);
    if (c == '"') {
      std::string text;
      if (!ReadString(text)) return false;
      value.value = std::move(text);
      return true;
    }
    if (TakeWord("true")) return value.value = true, true;
    if (TakeWord("false")) return value.value = false, true;
    if (TakeWord("null")) return value.value = nullptr, true;
    if (c == '-' || (c >= '0' && c <= '9')) return ReadNumber(value);
    return Fail(ToTranslate("a value was expected"));
  }

  bool ReadObject(JsonValue& value, int depth) {
    ++at_;
    JsonValue::Object members;
    SkipBlanks();
    if (!Take('}')) {
      do {
        SkipBlanks();
        std::string key;
        if (at_ >= text_.size() || text_[at_] != '"')
          return Fail(ToTranslate("a quoted name was expected"));
        if (!ReadString(key)) return false;
        SkipBlanks();
        if (!Take(':')) return Fail(ToTranslate("':' was expected"));
        SkipBlanks();
        JsonValue member;
        if (!ReadValue(member, depth + 1)) return false;
        members.insert_or_assign(std::move(key), std::move(member));
        SkipBlanks();
      } while (Take(','));
      if (!Take('}')) return Fail(ToTranslate("',' or '}' was expected"));
    }
    value.value = std::move(members);
    return true;
  }

  bool ReadArray(JsonValue& value, int depth) {
    ++at_;
    JsonValue::Array items;
    SkipBlanks();
    if (!Take(']')) {
      do {
        SkipBlanks();
        JsonValue item;
        if (!ReadValue(item, depth + 1)) return false;
        items.push_back(std::move(item));
        SkipBlanks();
      } while (Take(','));
      if (!Take(']')) return Fail(ToTranslate("',' or ']' was expected"));
    }
    value.value = std::move(items);
    return true;
  }

  bool ReadDigits() {
    const std::size_t start = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    return at_ > start;
  }

  bool ReadNumber(JsonValue& value) {
    const std::size_t start = at_;
    Take('-');
    if (!Take('0') && !ReadDigits()) return Fail(ToTranslate("a number was expected"));
    if (Take('.') && !ReadDigits()) return Fail(ToTranslate("digits were expected after '.'"));
    if (Take('e') || Take('E')) {
      if (!Take('+')) Take('-');
      if (!ReadDigits()) return Fail(ToTranslate("digits were expected in the exponent"));
    }
    value.value = JsonValue::Number{std::string(text_.substr(start, at_ - start))};
    return true;
  }

  bool ReadHex4(std::uint32_t& unit) {
    if (text_.size() - at_ < 4) return Fail(ToTranslate("four hexadecimal digits were expected"));
    unit = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[at_++];
      unit <<= 4;
      if (c >= '0' && c <= '9') {
        unit |= static_cast<std::uint32_t>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        unit |= static_cast<std::uint32_t>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        unit |= static_cast<std::uint32_t>(c - 'A' + 10);
      } else {
        --at_;
        return Fail(ToTranslate("four hexadecimal digits were expected"));
      }
    }
    return true;
  }

  static void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  bool ReadEscape(std::string& out) {
    if (at_ >= text_.size()) return Fail(ToTranslate("the text ends inside a string"));
    const char c = text_[at_++];
    switch (c) {
      case '"':
        out += '"';
        return true;
      case '\\':
        out += '\\';
        return true;
      case '/':
        out += '/';
        return true;
      case 'b':
        out += '\b';
        return true;
      case 'f':
        out += '\f';
        return true;
      case 'n':
        out += '\n';
        return true;
      case 'r':
        out += '\r';
        return true;
      case 't':
        out += '\t';
        return true;
      case 'u':
        break;
      default:
        --at_;
        return Fail(ToTranslate("an unknown escape"));
    }
    std::uint32_t unit = 0;
    if (!ReadHex4(unit)) return false;
    if (unit >= 0xDC00 && unit <= 0xDFFF) return Fail(ToTranslate("a lone low surrogate"));
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      std::uint32_t low = 0;
      if (!TakeWord("\\u") || !ReadHex4(low) || low < 0xDC00 || low > 0xDFFF) {
        return Fail(ToTranslate("a high surrogate without its low half"));
      }
      unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }
    AppendUtf8(out, unit);
    return true;
  }

  bool ReadString(std::string& out) {
    ++at_;
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '"') {
        ++at_;
        return true;
      }
      if (c == '\\') {
        ++at_;
        if (!ReadEscape(out)) return false;
        continue;
      }
      if (static_cast<unsigned char>(c) < 0x20)
        return Fail(ToTranslate("a control character inside a string"));
      const std::size_t length = app::Utf8SequenceLength(text_.substr(at_));
      if (length == 0) return Fail(ToTranslate("text that is not UTF-8"));
      out += text_.substr(at_, length);
      at_ += length;
    }
    return Fail(ToTranslate("the text ends inside a string"));
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::string error_;
  std::size_t error_at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Member(std::string_view key) const {
  const Object* object = AsObject();
  if (object == nullptr) return nullptr;
  const auto found = object->find(key);
  return found == object->end() ? nullptr : &found->second;
}

JsonReadResult ReadJson(std::string_view text) {
  return Reader(text).ReadDocument();
}

}  // namespace cli
