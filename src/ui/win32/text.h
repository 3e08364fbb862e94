#pragma once

#include <string>
#include <string_view>

namespace ui::win32 {

// UTF-8 (the program's own texts, paths and arguments) as the wide API takes it, in UTF-16.
// Malformed UTF-8 is taken byte for byte, so that nothing is silently dropped.
std::wstring WideFromUtf8(std::string_view utf8);

// Device bytes (one byte, one character: Latin-1) as the wide API shows them.
std::wstring WideFromDeviceText(std::string_view bytes);

// Buttons and group boxes read "&" as the mark of a keyboard shortcut; the captions ("Date &
// Time") mean the sign itself.
std::wstring ShownLiterally(std::wstring_view caption);

}  // namespace ui::win32
