#include "device/mount_table.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#endif

#include <fstream>
#include <sstream>
#include <string>
#include <utility>

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

// The fields of each line of `text`; a blank line has none and is left out.
std::vector<std::vector<std::string_view>> LinesOfFields(std::string_view text) {
  std::vector<std::vector<std::string_view>> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    auto fields = Fields(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!fields.empty()) lines.push_back(std::move(fields));
  }
  return lines;
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
  for (const auto& fields : LinesOfFields(text)) {
    if (fields.size() < 4) continue;
    entries.push_back({DecodeMountField(fields[0]), DecodeMountField(fields[1]),
                       DecodeMountField(fields[2]), DecodeMountField(fields[3])});
  }
  return entries;
}

std::vector<MountEntry> ParseMountInfo(std::string_view text) {
  std::vector<MountEntry> entries;
  for (const auto& fields : LinesOfFields(text)) {
    std::size_t separator = 6;
    while (separator < fields.size() && fields[separator] != "-") ++separator;
    if (separator + 2 >= fields.size()) continue;
    MountEntry entry;
    entry.device = DecodeMountField(fields[separator + 2]);
    entry.mount_point = DecodeMountField(fields[4]);
    entry.type = DecodeMountField(fields[separator + 1]);
    entry.options = fields[5];
    entry.mount_id = fields[0];
    entry.device_number = fields[2];
    entry.volume_folder = DecodeMountField(fields[3]);
    entries.push_back(std::move(entry));
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

// Linux 6.8; the C library's headers may be older than the kernel.
#ifndef STATX_MNT_ID_UNIQUE
#define STATX_MNT_ID_UNIQUE 0x00004000U
#endif

std::string UniqueMountId(const MountEntry& entry) {
  constexpr int kFlags = AT_NO_AUTOMOUNT | AT_SYMLINK_NOFOLLOW;
  struct statx unique {};
  if (::statx(AT_FDCWD, entry.mount_point.c_str(), kFlags, STATX_MNT_ID_UNIQUE, &unique) != 0 ||
      (unique.stx_mask & STATX_MNT_ID_UNIQUE) == 0) {
    return {};
  }
  // Asked once more for the mount ID of the table, so that an ID of a mount that has since been
  // put over the mount point, or in its place, is not taken for this one's.
  struct statx plain {};
  if (::statx(AT_FDCWD, entry.mount_point.c_str(), kFlags, STATX_MNT_ID, &plain) != 0 ||
      (plain.stx_mask & STATX_MNT_ID) == 0 || std::to_string(plain.stx_mnt_id) != entry.mount_id ||
      std::to_string(plain.stx_dev_major) + ":" + std::to_string(plain.stx_dev_minor) !=
          entry.device_number) {
    return {};
  }
  return std::to_string(unique.stx_mnt_id);
}
#else
std::string UniqueMountId(const MountEntry&) {
  return {};
}
#endif

bool IsFatType(std::string_view type) {
  return type == "vfat" || type == "msdos";
}

}  // namespace device
