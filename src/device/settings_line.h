#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "device/file_system.h"
#include "device/recorder_files.h"

namespace device {

inline constexpr int kModelCodePosition = 1;
inline constexpr int kSettingsBlockPosition = 18;
inline constexpr int kSettingsBlockLength = 14;
inline constexpr int kVersionTextPosition = 33;
inline constexpr int kVersionTextLength = 15;

// The first line of the settings file: single-byte characters counted from 1.
class SettingsLine {
 public:
  explicit SettingsLine(std::string bytes) : bytes_(std::move(bytes)) {}

  const std::string& bytes() const { return bytes_; }
  // The character at `position`, or the empty text past the end of the line.
  std::string_view CharacterAt(int position) const { return Run(position, 1); }
  // Characters `position` to `position + length - 1` that exist.
  std::string_view Run(int position, int length) const;
  std::string_view VersionText() const { return Run(kVersionTextPosition, kVersionTextLength); }

 private:
  std::string bytes_;
};

// Throws DeviceError naming the root when the root cannot be listed, so that an unreadable root
// fails as such instead of looking like a root without a settings file.
void CheckRootCanBeListed(const FileSystem& file_system);

// The first candidate of kSettingsFileSet that exists (hidden included), or none. Only a missing
// candidate, a folder, a symbolic link or a system file lets the lookup go on to the next one: the
// root is checked first, a candidate that cannot be looked at throws DeviceError, and one that
// cannot be opened is found, so that its read fails.
std::optional<std::string> FindSettingsFile(const FileSystem& file_system);

// The first line of the settings file at `path`; with no path the read fails.
SettingsLine ReadSettingsLine(const FileSystem& file_system,
                              const std::optional<std::string>& path);

// FindSettingsFile and ReadSettingsLine: what every handler that needs the line does afresh.
SettingsLine LookUpSettingsLine(const FileSystem& file_system);

// Whether the character at `position` equals `code` as a number. A character that does not read
// as a number (a letter, a blank, nothing past the end of the line) throws ConversionFailure.
bool IsCode(const SettingsLine& line, int position, int code);

// The digit at `position`; a character that is not one throws ConversionFailure.
int DigitAt(const SettingsLine& line, int position);

}  // namespace device
