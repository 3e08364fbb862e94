#pragma once

#include <filesystem>
#include <string_view>

namespace bench {

// The least that Start on a settings screen must do, written straight against the system: read
// the settings line from "ravlen_setting.ini", write the clock line with `block` and the rebuilt
// line into "ravlen_setting.bak" (hidden), each through a temporary file that is flushed, closed
// and renamed before the folder is flushed; then delete the .ini and flush the folder again. No
// checks, no attribute reads, one folder descriptor for every flush.
void BareCommit(const std::filesystem::path& root, std::string_view block);

}  // namespace bench
