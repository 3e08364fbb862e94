#pragma once

#include <filesystem>
#include <string>

#include "cli/history_entry.h"

namespace cli {

// A recorder as the history names it.
struct RecorderIdentity {
  std::string root;    // UTF-8, absolute, without a separator at its end
  std::string label;   // "" where unknown
  std::string serial;  // "" where unknown
};

// The recorder at `root`, with its volume's label and serial where the system gives them.
RecorderIdentity IdentifyRecorder(const std::filesystem::path& root);

// Whether `entry` is of the recorder `recorder`: the same volume serial where both have one
// (another drive letter or mount point, the same recorder), else the same root.
bool IsOfRecorder(const HistoryEntry& entry, const RecorderIdentity& recorder);

}  // namespace cli
