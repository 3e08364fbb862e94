#include "device/write_back.h"

#include <optional>

#include "device/clock_file.h"

namespace device {
namespace {

struct SettingsPair {
  std::string_view read;
  std::string_view backup;
  std::optional<std::string_view> deleted;
};

constexpr SettingsPair kPairs[] = {
    {"\\ravlen_setting.ini", "\\ravlen_setting.bak", "\\ravlen_setting.ini"},
    {"\\ravlen_setting.bak", "\\ravlen_setting.bak", std::nullopt},
    {"\\system_setting.ini", "\\system_setting.bak", "\\system_setting.ini"},
    {"\\system_setting.bak", "\\system_setting.bak", std::nullopt},
};

void WriteBack(FileSystem& file_system, const SettingsPair& pair, std::string_view line) {
  if (pair.deleted) {
    if (file_system.FileExists(pair.backup)) {
      file_system.SetAttributes(pair.backup, Attributes::kNormal);
    }
  } else {
    file_system.SetAttributes(pair.backup, Attributes::kNormal);
  }
  file_system.WriteLine(pair.backup, line);
  file_system.SetAttributes(pair.backup, Attributes::kHidden);
  if (pair.deleted && file_system.FileExists(*pair.deleted)) {
    file_system.SetAttributes(*pair.deleted, Attributes::kNormal);
    file_system.RemoveFile(*pair.deleted);
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
                    const LineCheck& check) {
  const std::optional<std::string> path = FindSettingsFile(file_system);
  const SettingsLine line = ReadSettingsLine(file_system, path);
  if (check) check(line);
  WriteClockFile(file_system, clock, settings_block);
  for (const SettingsPair& pair : kPairs) {
    if (*path == pair.read) {
      WriteBack(file_system, pair, RebuildSettingsLine(line.bytes(), settings_block));
      return;
    }
  }
}

}  // namespace device
