#include "support/device_folder.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "support/dos_attributes.h"

namespace support {

DeviceFolder::DeviceFolder(std::filesystem::path root) : root_(std::move(root)) {
  std::filesystem::create_directories(root_);
}

void DeviceFolder::Write(std::string_view name, std::string_view bytes) const {
  std::ofstream file(Path(name), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file.flush()) throw std::runtime_error("cannot write " + std::string(name));
}

std::string DeviceFolder::Read(std::string_view name) const {
  std::ifstream file(Path(name), std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + std::string(name));
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

bool DeviceFolder::Exists(std::string_view name) const {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::symlink_status(Path(name), ignored));
}

bool DeviceFolder::IsFile(std::string_view name) const {
  std::error_code ignored;
  return std::filesystem::is_regular_file(std::filesystem::symlink_status(Path(name), ignored));
}

void DeviceFolder::MakeFolder(std::string_view name) const {
  std::filesystem::create_directory(Path(name));
}

std::vector<std::string> DeviceFolder::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(root_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void DeviceFolder::Empty() const {
  for (const auto& entry : std::filesystem::directory_iterator(root_)) {
    std::filesystem::remove_all(entry.path());
  }
}

void DeviceFolder::SetDosBits(std::string_view name, unsigned bits) const {
  support::SetDosBits(Path(name), bits);
}

unsigned DeviceFolder::DosBits(std::string_view name) const {
  return support::DosBits(Path(name));
}

void DeviceFolder::SetReadOnly(std::string_view name, bool read_only) const {
  support::SetReadOnly(Path(name), read_only);
}

bool DeviceFolder::IsReadOnly(std::string_view name) const {
  return support::IsReadOnly(Path(name));
}

}  // namespace support
