#pragma once

#ifdef _WIN32

#include <filesystem>
#include <string>

namespace device {

// `path` in the form that the wide file functions take at any length, whatever the system's
// long-path setting: made absolute as the system makes it (backslashes, no "." or "..", no
// trailing dots or spaces) and given the "\\?\" prefix, which turns the system's own
// normalisation off ("E:\REC\..\x" -> "\\?\E:\x", "\\server\share" -> "\\?\UNC\server\share").
// A path that already has such a prefix, or that the system cannot make absolute, is kept as it is.
std::wstring ExtendedPath(const std::filesystem::path& path);

}  // namespace device

#endif  // _WIN32
