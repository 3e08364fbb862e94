#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace app {

// Whether `root` is a folder; a root that cannot be looked at is none.
bool IsFolder(const std::filesystem::path& root);

// The message for a device root that is not a folder, naming it by `shown` (UTF-8).
std::string NotAFolderMessage(std::string_view shown);

// Why `root` cannot be a device root, naming it by `shown` (UTF-8): on a drive that is not there
// or holds no disk, that; else that it is not a folder. None for a folder.
std::optional<std::string> RootProblem(const std::filesystem::path& root, std::string_view shown);

}  // namespace app
