#include "device/windows_headers.h"

#include <string_view>

#include "device/long_path_windows.h"

namespace device {
namespace {

bool StartsWith(std::wstring_view text, std::wstring_view start) {
  return text.substr(0, start.size()) == start;
}

// "\\?\" (no normalisation), "\\.\" (a device) and "\??\" (the kernel's own form).
bool HasNamespacePrefix(std::wstring_view path) {
  return StartsWith(path, L"\\\\?\\") || StartsWith(path, L"\\\\.\\") ||
         StartsWith(path, L"\\??\\");
}

// The full path of `path` as the system resolves it; empty when it cannot.
std::wstring FullPath(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return {};
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length);  // the size needed, with its terminating null
  }
}

}  // namespace

std::wstring ExtendedPath(const std::filesystem::path& path) {
  const std::wstring given = path.wstring();
  if (given.empty() || HasNamespacePrefix(given)) return given;
  const std::wstring full = FullPath(given);
  if (full.empty() || HasNamespacePrefix(full)) return full.empty() ? given : full;
  if (StartsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') return L"\\\\?\\" + full;
  return full;
}

}  // namespace device
