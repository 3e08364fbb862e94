#include "device/mount_table.h"

#ifndef _WIN32
#include <fcntl.h>
#endif

#include <fstream>
#include <sstream>

namespace device {
namespace {

bool IsOctalDigit(char c) {
  return c >= '0' && c <= '7';
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = line.find_first_not_of(" \t");
  while (start != std::string_view::npos) {
    const std::size_t end = line.find_first_of(" \t", start);
    fields.push_back(line.substr(start, end - start));
    if (end == std::string_view::npos) break;
    start = line.find_first_not_of(" \t", end);
  }
  return fields;
}

}  // namespace

std::string DecodeMountField(std::string_view field) {
  std::string decoded;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctalDigit(field[i + 1]) &&
        IsOctalDigit(field[i + 2]) && IsOctalDigit(field[i + 3])) {
      const int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
      decoded.push_back(static_cast<char>(value));
      i += 3;
    } else {
      decoded.push_back(field[i]);
    }
  }
  return decoded;
}

std::vector<MountEntry> ParseMountTable(std::string_view text) {
  std::vector<MountEntry> entries;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const auto fields = Fields(line);
    if (fields.size() < 4) continue;
    entries.push_back({DecodeMountField(fields[0]), DecodeMountField(fields[1]),
                       DecodeMountField(fields[2]), DecodeMountField(fields[3])});
  }
  return entries;
}

std::string ReadMountTable(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

#ifndef _WIN32
int OpenMountTableChanges() {
  return ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
}
#endif

bool IsFatType(std::string_view type) {
  return type == "vfat" || type == "msdos";
}

}  // namespace device
