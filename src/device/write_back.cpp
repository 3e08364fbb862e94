#include "device/write_back.h"

#include <optional>

#include "device/clock_file.h"
#include "device/recorder_files.h"

namespace device {
namespace {

// Writes `line` to the pair's .bak, made normal first if it is there (a .bak that was read is);
// `ini_read`: the line came from the pair's .ini, which is deleted last.
void WriteBack(FileSystem& file_system, const SettingsPair& pair, bool ini_read,
               std::string_view line, SettingsWritten& written) {
  if (!ini_read || file_system.FileExists(pair.bak)) {
    file_system.SetAttributes(pair.bak, Attributes::kNormal);
  }
  file_system.WriteLine(pair.bak, line);
  written.after = line;
  written.file = pair.bak;
  file_system.SetAttributes(pair.bak, Attributes::kHidden);
  if (ini_read && file_system.FileExists(pair.ini)) {
    file_system.SetAttributes(pair.ini, Attributes::kNormal);
    file_system.RemoveFile(pair.ini);
  }
}

// Writes `line` to the pair of the settings file at `path`.
void WriteToPairOf(FileSystem& file_system, std::string_view path, std::string_view line,
                   SettingsWritten& written) {
  for (const SettingsPair& pair : kSettingsPairs) {
    if (path == pair.ini || path == pair.bak) {
      WriteBack(file_system, pair, path == pair.ini, line, written);
      return;
    }
  }
}

}  // namespace

std::string RebuildSettingsLine(std::string_view line, std::string_view settings_block) {
  std::string rebuilt(line.substr(0, 17));
  rebuilt += settings_block;
  if (line.size() > 31) rebuilt += line.substr(31, 16);
  return rebuilt;
}

void CommitSettings(FileSystem& file_system, const Clock& clock, std::string_view settings_block,
                    const LineCheck& check, SettingsWritten* written) {
  SettingsWritten untold;
  SettingsWritten& told = written != nullptr ? *written : untold;
  const std::optional<std::string> path = FindSettingsFile(file_system);
  const SettingsLine line = ReadSettingsLine(file_system, path);
  if (check) check(line);
  told.before = line.bytes();
  told.clock_time = WriteClockFile(file_system, clock, settings_block);
  WriteToPairOf(file_system, *path, RebuildSettingsLine(line.bytes(), settings_block), told);
}

void RestoreSettingsLine(FileSystem& file_system, std::string_view line, const LineCheck& check,
                         SettingsWritten& written) {
  const std::optional<std::string> path = FindSettingsFile(file_system);
  const SettingsLine read = ReadSettingsLine(file_system, path);
  check(read);
  written.before = read.bytes();
  WriteToPairOf(file_system, *path, line, written);
}

}  // namespace device
