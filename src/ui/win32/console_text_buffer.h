#pragma once

#include <cstddef>
#include <streambuf>
#include <string>
#include <string_view>

#include "ui/win32/windows_api.h"

namespace ui::win32 {

// A stream buffer that takes UTF-8 and writes it to a console as UTF-16 (WriteConsoleW), so that
// the console shows every character whatever its code page. A character split across two writes
// waits for its remaining bytes; invalid bytes show as the replacement character.
class ConsoleTextBuffer : public std::streambuf {
 public:
  explicit ConsoleTextBuffer(HANDLE console) : console_(console) {}

 protected:
  int_type overflow(int_type character) override;
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;
  int sync() override;

 private:
  void WriteCompleteCharacters();

  HANDLE console_;
  std::string pending_;
};

// How many bytes at the end of `bytes` start a UTF-8 sequence that is not complete yet.
std::size_t IncompleteUtf8Tail(std::string_view bytes);

}  // namespace ui::win32
