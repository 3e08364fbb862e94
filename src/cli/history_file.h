#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The history of writes on this PC: one JSON object a line (history_entry.h), appended to and
// never rewritten. On Linux $XDG_STATE_HOME/datetime-cfg-creator/history.jsonl, with
// ~/.local/state for an unset or relative $XDG_STATE_HOME; on Windows
// %LOCALAPPDATA%\datetime-cfg-creator\history.jsonl. None where the variables name no folder.
std::optional<std::filesystem::path> HistoryPath();

// Appends `line` and its end in one write (O_APPEND, FILE_APPEND_DATA), so that lines of
// programs writing at once never mix; makes the folders missing on the way (0700 on Linux). A
// symbolic link in the file's place is not followed. Returns why it failed, or none.
std::optional<std::string> AppendHistoryLine(const std::filesystem::path& file,
                                             std::string_view line);

// The file's lines, oldest first; none for a file that is not there yet.
struct HistoryLines {
  std::vector<std::string> lines;
  std::optional<std::string> problem;  // why it could not be read
};
HistoryLines ReadHistoryLines(const std::filesystem::path& file);

}  // namespace cli
