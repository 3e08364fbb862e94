#include "ui/win32/console_text_buffer.h"

#include <algorithm>

#include "app/utf8_text.h"

namespace ui::win32 {
namespace {

// Flushed once this much is waiting, so that long output appears as it is produced.
constexpr std::size_t kFlushSize = 4096;

}  // namespace

std::size_t IncompleteUtf8Tail(std::string_view bytes) {
  // A sequence is at most four bytes long, so only the last three can belong to an open one.
  const std::size_t look_back = std::min<std::size_t>(bytes.size(), 3);
  for (std::size_t back = 1; back <= look_back; ++back) {
    const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const std::size_t length = app::Utf8LeadLength(byte);
    return length > back ? back : 0;
  }
  return 0;
}

ConsoleTextBuffer::int_type ConsoleTextBuffer::overflow(int_type character) {
  if (traits_type::eq_int_type(character, traits_type::eof()))
    return traits_type::not_eof(character);
  pending_.push_back(traits_type::to_char_type(character));
  if (pending_.size() >= kFlushSize) WriteCompleteCharacters();
  return character;
}

std::streamsize ConsoleTextBuffer::xsputn(const char* bytes, std::streamsize count) {
  pending_.append(bytes, static_cast<std::size_t>(count));
  if (pending_.size() >= kFlushSize) WriteCompleteCharacters();
  return count;
}

int ConsoleTextBuffer::sync() {
  WriteCompleteCharacters();
  return 0;
}

void ConsoleTextBuffer::WriteCompleteCharacters() {
  const std::size_t complete = pending_.size() - IncompleteUtf8Tail(pending_);
  if (complete == 0) return;
  const int length =
      ::MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(complete), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(complete), wide.data(),
                        length);
  pending_.erase(0, complete);
  const wchar_t* next = wide.data();
  auto left = static_cast<DWORD>(wide.size());
  while (left > 0) {
    DWORD written = 0;
    // A console that went away takes nothing more; the program goes on without its output.
    if (!::WriteConsoleW(console_, next, left, &written, nullptr) || written == 0) return;
    next += written;
    left -= written;
  }
}

}  // namespace ui::win32
