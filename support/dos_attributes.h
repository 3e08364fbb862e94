#pragma once

#include <filesystem>

namespace support {

inline constexpr unsigned kHiddenBit = 0x2;
inline constexpr unsigned kSystemBit = 0x4;

// The hidden (0x2) and system (0x4) attributes of a file or folder as this platform keeps them
// where the volume is not FAT: on Linux the hexadecimal text of user.DOSATTRIB, the extended
// attribute that Samba and Wine use too; on Windows the file's own attributes. A symbolic link
// itself is read or changed, never its target.
void SetDosBits(const std::filesystem::path& path, unsigned bits);
unsigned DosBits(const std::filesystem::path& path);

// Read-only: on Linux a missing owner-write permission, on Windows the read-only attribute.
void SetReadOnly(const std::filesystem::path& path, bool read_only);
bool IsReadOnly(const std::filesystem::path& path);

}  // namespace support
