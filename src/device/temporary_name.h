#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace device {

// What a temporary name adds to its target's name, before the attempt's number if any.
inline constexpr std::string_view kTemporarySuffix = ".tmp";

// The device path of the temporary file that WriteLine fills before renaming it over `target`.
// Later attempts take the next name while one is taken: by a leftover of an interrupted write
// that a Start could not remove (StartGuard removes the others), a folder or a link.
inline std::string TemporaryNameFor(std::string_view target, std::size_t attempt) {
  std::string name(target);
  name += kTemporarySuffix;
  if (attempt > 0) name += std::to_string(attempt);
  return name;
}

// Whether `device_path` is a name that TemporaryNameFor gives `target`, for any attempt: the
// target, ".tmp", then nothing or digits alone.
inline bool IsTemporaryNameFor(std::string_view device_path, std::string_view target) {
  if (!device_path.starts_with(target)) return false;
  device_path.remove_prefix(target.size());
  if (!device_path.starts_with(kTemporarySuffix)) return false;
  device_path.remove_prefix(kTemporarySuffix.size());
  return std::all_of(device_path.begin(), device_path.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace device
