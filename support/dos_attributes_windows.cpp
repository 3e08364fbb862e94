#include "device/windows_headers.h"

#include <stdexcept>
#include <string>

#include "support/dos_attributes.h"

namespace support {
namespace {

constexpr DWORD kDosBits = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// None when there is nothing at `path`, as on Linux.
DWORD AttributesOf(const std::filesystem::path& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes;
}

void Store(const std::filesystem::path& path, DWORD attributes) {
  // Only the attributes that a program may set; none at all is written as "normal".
  attributes &= FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                FILE_ATTRIBUTE_ARCHIVE;
  if (attributes == 0) attributes = FILE_ATTRIBUTE_NORMAL;
  if (!::SetFileAttributesW(path.c_str(), attributes)) {
    throw std::runtime_error("cannot set the attributes of " + path.string());
  }
}

}  // namespace

void SetDosBits(const std::filesystem::path& path, unsigned bits) {
  Store(path, (AttributesOf(path) & ~kDosBits) | (static_cast<DWORD>(bits) & kDosBits));
}

unsigned DosBits(const std::filesystem::path& path) {
  return static_cast<unsigned>(AttributesOf(path) & kDosBits);
}

void SetReadOnly(const std::filesystem::path& path, bool read_only) {
  const DWORD attributes = AttributesOf(path) & ~FILE_ATTRIBUTE_READONLY;
  Store(path, read_only ? attributes | FILE_ATTRIBUTE_READONLY : attributes);
}

bool IsReadOnly(const std::filesystem::path& path) {
  return (AttributesOf(path) & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace support
