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

std::string InCodePage(std::wstring_view text, UINT code_page) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  // Without best fit, "ā" is "?" rather than "a": the text says that it lacks a character.
  DWORD flags = WC_NO_BEST_FIT_CHARS;
  const char* unknown = "?";
  int size =
      ::WideCharToMultiByte(code_page, flags, text.data(), length, nullptr, 0, unknown, nullptr);
  if (size == 0) {
    // The code pages that are encodings of their own (ISO-2022, UTF-7) take neither.
    flags = 0;
    unknown = nullptr;
    size =
        ::WideCharToMultiByte(code_page, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
  }
  std::string bytes(static_cast<std::size_t>(std::max(size, 0)), '\0');
  ::WideCharToMultiByte(code_page, flags, text.data(), length, bytes.data(), size, unknown,
                        nullptr);
  return bytes;
}

Utf8TextBuffer::int_type Utf8TextBuffer::overflow(int_type character) {
  if (traits_type::eq_int_type(character, traits_type::eof()))
    return traits_type::not_eof(character);
  pending_.push_back(traits_type::to_char_type(character));
  if (pending_.size() >= kFlushSize) WriteCompleteCharacters();
  return character;
}

std::streamsize Utf8TextBuffer::xsputn(const char* bytes, std::streamsize count) {
  pending_.append(bytes, static_cast<std::size_t>(count));
  if (pending_.size() >= kFlushSize) WriteCompleteCharacters();
  return count;
}

int Utf8TextBuffer::sync() {
  WriteCompleteCharacters();
  Flush();
  return 0;
}

void Utf8TextBuffer::WriteCompleteCharacters() {
  const std::size_t complete = pending_.size() - IncompleteUtf8Tail(pending_);
  if (complete == 0) return;
  const int length =
      ::MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(complete), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(complete), wide.data(),
                        length);
  pending_.erase(0, complete);
  Write(wide);
}

void ConsoleTextBuffer::Write(std::wstring_view text) {
  const wchar_t* next = text.data();
  auto left = static_cast<DWORD>(text.size());
  while (left > 0) {
    DWORD written = 0;
    // A console that went away takes nothing more; the program goes on without its output.
    if (!::WriteConsoleW(console_, next, left, &written, nullptr) || written == 0) return;
    next += written;
    left -= written;
  }
}

void CodePageTextBuffer::Write(std::wstring_view text) {
  const std::string bytes = InCodePage(text, code_page_);
  target_->sputn(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace ui::win32
