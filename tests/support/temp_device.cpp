#include "support/temp_device.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "support/dos_attributes.h"

namespace testing_support {
namespace {

// A new folder of its own under the system's temporary folder.
std::filesystem::path MakeTemporaryFolder(std::string_view prefix) {
  static std::mt19937_64 random{std::random_device{}()};
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::ostringstream name;
    name << prefix << std::hex << random();
    const std::filesystem::path folder = base / name.str();
    // Fails with false when the name is taken, so two tests never share a folder.
    if (std::filesystem::create_directory(folder)) return folder;
  }
  throw std::runtime_error("cannot make a temporary folder in " + base.string());
}

}  // namespace

TempDevice::TempDevice() : root_(MakeTemporaryFolder("device-")) {}

TempDevice::~TempDevice() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored)) {
    if (!entry.is_symlink()) {
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
    }
  }
  std::filesystem::remove_all(root_, ignored);
}

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
  for (const auto& entry : std::filesystem::directory_iterator(root_)) {
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
