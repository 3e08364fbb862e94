#include "language/message_catalogue.h"

#include <cstdint>
#include <string>

namespace language {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kMagicSwapped = 0xde120495;
// Separates a context from its text in a key, as the format defines.
constexpr char kContextSeparator = '\x04';

}  // namespace

MessageCatalogue::MessageCatalogue(std::span<const unsigned char> bytes) : bytes_(bytes) {
  if (bytes_.size() < 28) return;
  const std::uint32_t magic =
      static_cast<std::uint32_t>(bytes_[0]) | static_cast<std::uint32_t>(bytes_[1]) << 8 |
      static_cast<std::uint32_t>(bytes_[2]) << 16 | static_cast<std::uint32_t>(bytes_[3]) << 24;
  if (magic == kMagicSwapped) {
    big_endian_ = true;
  } else if (magic != kMagic) {
    return;
  }
  const auto revision = Word(4);
  const auto count = Word(8);
  const auto originals = Word(12);
  const auto translations = Word(16);
  if (!revision || (*revision >> 16) != 0 || !count || !originals || !translations) return;
  // Both tables hold a length and an offset for each string.
  const std::size_t table_size = static_cast<std::size_t>(*count) * 8;
  if (*originals > bytes_.size() || table_size > bytes_.size() - *originals ||
      *translations > bytes_.size() || table_size > bytes_.size() - *translations) {
    return;
  }
  count_ = *count;
  originals_ = *originals;
  translations_ = *translations;
  valid_empty_ = count_ == 0;
}

std::optional<std::uint32_t> MessageCatalogue::Word(std::size_t offset) const {
  if (offset > bytes_.size() || bytes_.size() - offset < 4) return std::nullopt;
  std::uint32_t word = 0;
  for (int i = 0; i < 4; ++i) {
    const std::uint32_t byte = bytes_[offset + (big_endian_ ? i : 3 - i)];
    word = word << 8 | byte;
  }
  return word;
}

std::optional<std::string_view> MessageCatalogue::StringAt(std::size_t table,
                                                           std::size_t index) const {
  const auto length = Word(table + index * 8);
  const auto offset = Word(table + index * 8 + 4);
  if (!length || !offset || *offset > bytes_.size() || *length >= bytes_.size() - *offset) {
    return std::nullopt;
  }
  return std::string_view(reinterpret_cast<const char*>(bytes_.data()) + *offset, *length);
}

std::optional<std::string_view> MessageCatalogue::Find(std::string_view context,
                                                       std::string_view english) const {
  // The empty text's entry is the catalogue's header, not a translation.
  if (english.empty()) return std::nullopt;
  std::string key;
  if (!context.empty()) {
    key.append(context);
    key += kContextSeparator;
  }
  key.append(english);
  // The originals are sorted by their bytes, so a binary search finds the key.
  std::size_t low = 0;
  std::size_t high = count_;
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    const auto original = StringAt(originals_, middle);
    if (!original) return std::nullopt;
    const int order = original->compare(key);
    if (order == 0) {
      const auto translation = StringAt(translations_, middle);
      if (!translation || translation->empty()) return std::nullopt;
      return translation;
    }
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return std::nullopt;
}

}  // namespace language
