#pragma once

#include <cstdint>

namespace device {

// Whether a Windows entry with the reparse tag `tag` stands for another name (a symbolic link, a
// junction or mount point), which the program never follows, rather than being a file or folder
// of its own whose data a file-system filter keeps (a cloud placeholder, a deduplicated or
// compressed file). The tag's name-surrogate bit says which. Zero is reserved and no real tag:
// Wine gives it for a Unix symbolic link to a folder. What cannot be told counts as a link.
constexpr bool IsLinkReparseTag(std::uint32_t tag) {
  return tag == 0 || (tag & 0x20000000u) != 0;
}

}  // namespace device
