#include "support/temp_device.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "support/dos_attributes.h"

namespace testing_support {

void TempDevice::Write(std::string_view name, std::string_view bytes) const {
  std::ofstream file(Path(name), std::ios::binary | std::ios::trunc);
  file << bytes;
  if (!file.flush()) throw std::runtime_error("cannot write " + std::string(name));
}

std::string TempDevice::Read(std::string_view name) const {
  std::ifstream file(Path(name), std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + std::string(name));
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

bool TempDevice::Exists(std::string_view name) const {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::symlink_status(Path(name), ignored));
}

std::vector<std::string> TempDevice::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(root())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void TempDevice::SetDosBits(std::string_view name, unsigned bits) const {
  testing_support::SetDosBits(Path(name), bits);
}

unsigned TempDevice::DosBits(std::string_view name) const {
  return testing_support::DosBits(Path(name));
}

void TempDevice::SetReadOnly(std::string_view name, bool read_only) const {
  testing_support::SetReadOnly(Path(name), read_only);
}

bool TempDevice::IsReadOnly(std::string_view name) const {
  return testing_support::IsReadOnly(Path(name));
}

bool CanMakeSymlinks() {
  static const bool can = [] {
    const TempDevice place;
    std::error_code error;
    std::filesystem::create_symlink("target", place.Path("link"), error);
    // Checked as well as the error: Wine reports success without making a link.
    return !error &&
           std::filesystem::is_symlink(std::filesystem::symlink_status(place.Path("link"), error));
  }();
  return can;
}

}  // namespace testing_support
