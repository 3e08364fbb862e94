#include "device/errors.h"

#include <array>
#include <utility>

#include "language/language.h"

namespace device {
namespace {

using language::Fill;
using language::ToTranslate;
using language::Translate;

std::string Describe(const std::string& character) {
  if (character.empty())
    return std::string(Translate("nothing (the settings line ends before it)"));
  const auto byte = static_cast<unsigned char>(character.front());
  if (byte < 0x20 || byte >= 0x7f) {
    static const char kHex[] = "0123456789ABCDEF";
    const char hex[] = {kHex[byte >> 4], kHex[byte & 0xf], '\0'};
    return Fill(Translate("the byte 0x{1}"), {hex});
  }
  return "\"" + character + "\"";
}

// One whole sentence an operation, so that each reads naturally in every language.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kFileFailures = {{
    {"read", ToTranslate("Could not read the file \"{1}\": {2}")},
    {"write", ToTranslate("Could not write the file \"{1}\": {2}")},
    {"delete", ToTranslate("Could not delete the file \"{1}\": {2}")},
    {"set attributes", ToTranslate("Could not set attributes the file \"{1}\": {2}")},
    {"flush folder", ToTranslate("Could not flush folder the file \"{1}\": {2}")},
}};

std::string FileFailureText(const std::string& operation, const std::string& device_path,
                            const std::string& reason) {
  for (const auto& [known, pattern] : kFileFailures) {
    if (known == operation) return Fill(Translate(pattern), {device_path, reason});
  }
  return "Could not " + operation + " the file \"" + device_path + "\": " + reason;
}

}  // namespace

DeviceError::DeviceError(const std::string& operation, const std::string& device_path,
                         const std::string& reason)
    : RuntimeFailure(FileFailureText(operation, device_path, reason)), reason_(reason) {}

DeviceError RootReadError(const std::filesystem::path& root, const std::string& reason) {
  const std::u8string utf8 = root.u8string();
  return DeviceError(Fill(Translate("Could not read the device root \"{1}\": {2}"),
                          {std::string(utf8.begin(), utf8.end()), reason}),
                     reason);
}

ConversionFailure::ConversionFailure(int position, const std::string& character)
    : RuntimeFailure(Fill(Translate("Type mismatch: position {1} of the settings line holds {2}, "
                                    "which is not a digit."),
                          {std::to_string(position), Describe(character)})),
      position_(position) {}

}  // namespace device
