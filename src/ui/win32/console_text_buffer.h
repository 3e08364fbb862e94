#pragma once

#include <cstddef>
#include <streambuf>
#include <string>
#include <string_view>

#include "ui/win32/windows_api.h"

namespace ui::win32 {

// A stream buffer that takes UTF-8 and hands it on in whole characters as UTF-16. A character
// split across two writes waits for its remaining bytes; invalid bytes become the replacement
// character.
class Utf8TextBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type character) override;
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;
  int sync() override;

  // Takes the text of whole characters.
  virtual void Write(std::wstring_view text) = 0;
  virtual void Flush() {}

 private:
  void WriteCompleteCharacters();

  std::string pending_;
};

// Writes to a console (WriteConsoleW), so that the console shows every character whatever its
// code page.
class ConsoleTextBuffer final : public Utf8TextBuffer {
 public:
  explicit ConsoleTextBuffer(HANDLE console) : console_(console) {}

 protected:
  void Write(std::wstring_view text) override;

 private:
  HANDLE console_;
};

// Writes to another stream buffer (a pipe or a file) in `code_page`, as the programs of a console
// read what comes through a pipe; a character that the code page lacks becomes "?".
class CodePageTextBuffer final : public Utf8TextBuffer {
 public:
  CodePageTextBuffer(std::streambuf* target, UINT code_page)
      : target_(target), code_page_(code_page) {}

 protected:
  void Write(std::wstring_view text) override;
  void Flush() override { target_->pubsync(); }

 private:
  std::streambuf* target_;
  UINT code_page_;
};

// How many bytes at the end of `bytes` start a UTF-8 sequence that is not complete yet.
std::size_t IncompleteUtf8Tail(std::string_view bytes);

// `text` in `code_page`, a character that it lacks (also where the system would choose a similar
// one) as "?".
std::string InCodePage(std::wstring_view text, UINT code_page);

}  // namespace ui::win32
