#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace app {

// Whether `root` is a folder; a root that cannot be looked at is none.
bool IsFolder(const std::filesystem::path& root);

// The message for a device root that is not a folder, naming it by `shown` (UTF-8).
std::string NotAFolderMessage(std::string_view shown);

}  // namespace app
