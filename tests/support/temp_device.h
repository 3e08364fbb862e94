#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "device/clock.h"

namespace testing_support {

// A recorder's root in a fresh temporary folder, removed again at the end of the test.
class TempDevice {
 public:
  TempDevice();
  ~TempDevice();
  TempDevice(const TempDevice&) = delete;
  TempDevice& operator=(const TempDevice&) = delete;

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path Path(std::string_view name) const { return root_ / std::string(name); }

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
  std::filesystem::path root_;
};

// Whether the tests can make symbolic links here. Windows lets only privileged users make them,
// and Wine and MinGW's standard library cannot make them at all.
bool CanMakeSymlinks();

class FixedClock : public device::Clock {
 public:
  explicit FixedClock(device::LocalTime time) : time_(time) {}
  device::LocalTime Now() const override { return time_; }

 private:
  device::LocalTime time_;
};

inline constexpr device::LocalTime kSomeTime{2026, 12, 7, 9, 5, 3};
inline constexpr std::string_view kSomeTimeText = "2026 12 07 09 05 03";

}  // namespace testing_support
