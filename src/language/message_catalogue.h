#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace language {

// A compiled message catalogue in the GNU .mo format, read in place from bytes built into the
// program. Every offset is checked against the bytes, so a damaged catalogue finds nothing
// rather than reading past its end.
class MessageCatalogue {
 public:
  MessageCatalogue() = default;
  explicit MessageCatalogue(std::span<const unsigned char> bytes);

  // Whether the bytes hold a catalogue this reader understands.
  bool IsValid() const { return count_ > 0 || valid_empty_; }

  // The translation of `english` in `context` (empty: none); nothing where there is none or it
  // is empty, so that the caller shows the English text.
  std::optional<std::string_view> Find(std::string_view context, std::string_view english) const;

 private:
  std::optional<std::string_view> StringAt(std::size_t table, std::size_t index) const;
  std::optional<std::uint32_t> Word(std::size_t offset) const;

  std::span<const unsigned char> bytes_;
  bool big_endian_ = false;
  bool valid_empty_ = false;
  std::size_t count_ = 0;
  std::size_t originals_ = 0;
  std::size_t translations_ = 0;
};

}  // namespace language
