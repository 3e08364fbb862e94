#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "language/message.h"

namespace app {

// Whether `root` is a folder; a root that cannot be looked at is none.
bool IsFolder(const std::filesystem::path& root);

// The message for a device root that is not a folder, naming it by `shown` (UTF-8).
language::Message NotAFolderMessage(std::string_view shown);

// Why a device root cannot be taken: the message, which names it, and the exit status.
struct RootFailure {
  language::Message message;
  int status;
};

// Why `root` cannot be a device root, naming it by `shown` (UTF-8): on a drive that is not there
// or holds no disk, that (status 64); where it cannot be looked at, the system's reason (a folder
// on the way that may not be searched, a path too long: status 2); else that it is not a folder
// (status 64). None for a folder.
std::optional<RootFailure> RootProblem(const std::filesystem::path& root, std::string_view shown);

}  // namespace app
