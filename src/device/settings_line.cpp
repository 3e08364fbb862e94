#include "device/settings_line.h"

#include "device/errors.h"
#include "language/message.h"

namespace device {
namespace {

// Names every candidate: "... none of "\a", "\b" and "\c"."
language::Message NoSettingsFileMessage() {
  using language::Message;
  const auto quoted = [](std::string_view name) {
    std::string text(1, '"');
    text.append(name);
    text += '"';
    return text;
  };
  // Each name joined to those before it, with ", " or the language's " and " before the last.
  Message::Value names = quoted(kSettingsFileSet[0]);
  for (std::size_t i = 1; i < kSettingsFileSet.size(); ++i) {
    const Message::Value separator = i + 1 < kSettingsFileSet.size()
                                         ? Message::Value(", ")
                                         : Message(language::ToTranslate(" and "));
    names = Message("{1}{2}{3}", {names, separator, quoted(kSettingsFileSet[i])});
  }
  return Message(
      language::ToTranslate("Could not read the settings file: the recorder holds none of {1}."),
      {names});
}

}  // namespace

std::string_view SettingsLine::Run(int position, int length) const {
  if (position < 1 || length <= 0 || static_cast<std::size_t>(position) > bytes_.size()) return {};
  return std::string_view(bytes_).substr(static_cast<std::size_t>(position - 1),
                                         static_cast<std::size_t>(length));
}

void CheckRootCanBeListed(const FileSystem& file_system) {
  file_system.RootFileNames();
}

std::optional<std::string> FindSettingsFile(const FileSystem& file_system) {
  CheckRootCanBeListed(file_system);
  for (const auto candidate : kSettingsFileSet) {
    if (file_system.FileExists(candidate)) return std::string(candidate);
  }
  return std::nullopt;
}

SettingsLine ReadSettingsLine(const FileSystem& file_system,
                              const std::optional<std::string>& path) {
  if (!path) {
    throw DeviceError(NoSettingsFileMessage());
  }
  return SettingsLine(file_system.ReadFirstLine(*path));
}

SettingsLine LookUpSettingsLine(const FileSystem& file_system) {
  return ReadSettingsLine(file_system, FindSettingsFile(file_system));
}

int DigitAt(const SettingsLine& line, int position) {
  const std::string_view character = line.CharacterAt(position);
  if (character.empty() || character.front() < '0' || character.front() > '9') {
    throw ConversionFailure(position, std::string(character));
  }
  return character.front() - '0';
}

bool IsCode(const SettingsLine& line, int position, int code) {
  return DigitAt(line, position) == code;
}

}  // namespace device
