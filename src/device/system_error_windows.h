#pragma once

#ifdef _WIN32

#include "device/windows_headers.h"

#include <string>

namespace device {

// The system's text for an error code (a Win32 error or an HRESULT), in UTF-8 as the rest of the
// program keeps it, without the line end and the full stop that the system appends; empty where
// the system has no text for it.
std::string SystemErrorText(DWORD error);

}  // namespace device

#endif  // _WIN32
