#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "device/clock.h"

namespace app {

// What one write to a recorder did, as far as it got: what a history of writes keeps.
struct WriteRecord {
  std::filesystem::path root;
  std::optional<device::LocalTime> clock_written = {};  // the time the clock file got
  // The settings line's bytes as read before the write, and as written with the file it went to;
  // none where it was not read, or not written.
  std::optional<std::string> settings_before = {};
  std::optional<std::string> settings_after = {};
  std::string settings_file = {};
  int status = 0;
  std::string message = {};  // why it failed, in English in every language: what records keep
};

// Told of every write when it has ended, done or failed.
using WriteObserver = std::function<void(const WriteRecord& record)>;

}  // namespace app
