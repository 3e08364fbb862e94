#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/fixed_clock.h"
#include "support/temp_folder.h"

namespace testing_support {

// A recorder's root in a fresh temporary folder, removed again at the end of the test.
class TempDevice {
 public:
  TempDevice() : folder_("device-") {}

  const std::filesystem::path& root() const { return folder_.root(); }
  std::filesystem::path Path(std::string_view name) const { return root() / std::string(name); }

  void Write(std::string_view name, std::string_view bytes) const;
  std::string Read(std::string_view name) const;
  bool Exists(std::string_view name) const;
  // The names in the root, sorted.
  std::vector<std::string> Names() const;

  // The attributes as the program keeps them on this platform (support/dos_attributes.h).
  void SetDosBits(std::string_view name, unsigned bits) const;
  unsigned DosBits(std::string_view name) const;
  void SetReadOnly(std::string_view name, bool read_only) const;
  bool IsReadOnly(std::string_view name) const;

 private:
  support::TempFolder folder_;
};

// Whether the tests can make symbolic links here. Windows lets only privileged users make them,
// and Wine and MinGW's standard library cannot make them at all.
bool CanMakeSymlinks();

using support::FixedClock;
using support::kSomeTime;
using support::kSomeTimeText;

}  // namespace testing_support
