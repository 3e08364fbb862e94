#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/set_matching.h"

namespace cli {

// One NAME=CHOICE of a profile, which acts as a --set, and where the file gives it.
struct ProfileEntry {
  SetRequest request;
  std::string where;  // "line 3", or "line 1, setting 4" in JSON
};

// The settings that --profile FILE gives every recorder: those that --show --json printed for one
// recorder, or the file's NAME=CHOICE lines.
struct Profile {
  std::string file;  // UTF-8, as given
  std::vector<ProfileEntry> entries;

  // "--profile "FILE": " and the entry's place, to begin a message about it.
  std::string Where(const ProfileEntry& entry) const;
};

// A setting's name as the matching compares it: tidied, its ASCII letters in lower case.
std::string NameKey(std::string_view name);

// A profile is a few hundred bytes; anything far larger is no profile.
inline constexpr std::size_t kProfileSizeLimit = 1024 * 1024;

// Reads the profile `file` (UTF-8); or gives why it cannot be used, naming the file and the line.
std::variant<Profile, std::string> ReadProfile(const std::string& file);

// The profile held by `bytes`, the contents of `file`; or why it cannot be used. A first
// non-blank "{" makes it JSON, anything else text. Every entry must name a setting that some
// model's screen has, each setting once.
std::variant<Profile, std::string> ParseProfile(const std::string& file, std::string_view bytes);

}  // namespace cli
