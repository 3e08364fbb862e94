#pragma once

#ifdef _WIN32

#include <string>
#include <string_view>

namespace device {

// Text from the wide Windows API in UTF-8, as the rest of the program keeps it.
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace device

#endif  // _WIN32
