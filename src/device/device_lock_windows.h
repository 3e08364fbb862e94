#pragma once

#ifdef _WIN32

#include <filesystem>
#include <string>

namespace device {

// The name of the mutex that DeviceLock takes for the recorder at `root`: one for every name of
// the same volume, in the namespace that all sessions share.
std::wstring DeviceLockName(const std::filesystem::path& root);

}  // namespace device

#endif  // _WIN32
