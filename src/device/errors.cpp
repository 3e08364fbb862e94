#include "device/errors.h"

namespace device {
namespace {

std::string Describe(const std::string& character) {
  if (character.empty()) return "nothing (the settings line ends before it)";
  const auto byte = static_cast<unsigned char>(character.front());
  if (byte < 0x20 || byte >= 0x7f) {
    static const char kHex[] = "0123456789ABCDEF";
    return std::string("the byte 0x") + kHex[byte >> 4] + kHex[byte & 0xf];
  }
  return "\"" + character + "\"";
}

}  // namespace

DeviceError::DeviceError(const std::string& operation, const std::string& device_path,
                         const std::string& reason)
    : RuntimeFailure("Could not " + operation + " the file \"" + device_path + "\": " + reason),
      reason_(reason) {}

DeviceError RootReadError(const std::filesystem::path& root, const std::string& reason) {
  const std::u8string utf8 = root.u8string();
  return DeviceError(
      "Could not read the device root \"" + std::string(utf8.begin(), utf8.end()) + "\": " + reason,
      reason);
}

ConversionFailure::ConversionFailure(int position, const std::string& character)
    : RuntimeFailure("Type mismatch: position " + std::to_string(position) +
                     " of the settings line holds " + Describe(character) +
                     ", which is not a digit."),
      position_(position) {}

}  // namespace device
