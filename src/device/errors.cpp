#include "device/errors.h"

#include <array>
#include <utility>

#include "language/message.h"

namespace device {
namespace {

using language::Message;
using language::ToTranslate;

Message::Value Describe(const std::string& character) {
  if (character.empty()) return Message(ToTranslate("nothing (the settings line ends before it)"));
  const auto byte = static_cast<unsigned char>(character.front());
  if (byte < 0x20 || byte >= 0x7f) {
    static const char kHex[] = "0123456789ABCDEF";
    const char hex[] = {kHex[byte >> 4], kHex[byte & 0xf], '\0'};
    return Message(ToTranslate("the byte 0x{1}"), {hex});
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

Message FileFailure(const std::string& operation, const std::string& device_path,
                    const Message::Value& reason) {
  for (const auto& [known, pattern] : kFileFailures) {
    if (known == operation) return Message(pattern, {device_path, reason});
  }
  // Not in the catalogues: the same in every language.
  return Message("Could not {1} the file \"{2}\": {3}", {operation, device_path, reason});
}

}  // namespace

DeviceError::DeviceError(const std::string& operation, const std::string& device_path,
                         const Message::Value& reason)
    : RuntimeFailure(FileFailure(operation, device_path, reason)), reason_(reason.Shown()) {}

DeviceError RootReadError(const std::filesystem::path& root, const std::string& reason) {
  const std::u8string utf8 = root.u8string();
  return DeviceError(Message(ToTranslate("Could not read the device root \"{1}\": {2}"),
                             {std::string(utf8.begin(), utf8.end()), reason}),
                     reason);
}

ConversionFailure::ConversionFailure(int position, const std::string& character)
    : RuntimeFailure(Message(ToTranslate("Type mismatch: position {1} of the settings line holds "
                                         "{2}, which is not a digit."),
                             {std::to_string(position), Describe(character)})),
      position_(position) {}

}  // namespace device
