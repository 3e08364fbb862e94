#include "ui/win32/text.h"

#include "ui/win32/windows_api.h"

namespace ui::win32 {

std::wstring WideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = static_cast<int>(utf8.size());
  const int size =
      ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, nullptr, 0);
  if (size <= 0) return WideFromDeviceText(utf8);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, wide.data(), size);
  return wide;
}

std::wstring WideFromDeviceText(std::string_view bytes) {
  std::wstring wide;
  wide.reserve(bytes.size());
  for (const char byte : bytes)
    wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
  return wide;
}

std::wstring ShownLiterally(std::wstring_view caption) {
  std::wstring shown;
  for (const wchar_t character : caption) {
    if (character == L'&') shown.push_back(L'&');
    shown.push_back(character);
  }
  return shown;
}

}  // namespace ui::win32
