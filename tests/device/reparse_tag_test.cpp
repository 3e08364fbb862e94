#include "device/reparse_tag.h"

#include <gtest/gtest.h>

#include <cstdint>

#ifdef _WIN32
#include "device/windows_headers.h"
#endif

namespace device {
namespace {

// The reparse points a recorder's root may meet when it is copied to or kept on a PC's disk.
TEST(ReparseTagTest, OnlyNameSurrogatesAreLinks) {
  struct Case {
    const char* name;
    std::uint32_t tag;
    bool link;
  };
  const Case cases[] = {
      {"symbolic link", 0xA000000C, true},
      {"junction or mount point", 0xA0000003, true},
      {"WSL symbolic link", 0xA000001D, true},
      {"global reparse (system links)", 0xA0000019, true},
      {"OneDrive placeholder (cloud)", 0x9000001A, false},
      {"OneDrive placeholder (cloud, variant F)", 0x9000F01A, false},
      {"deduplicated file", 0x80000013, false},
      {"compressed file (Windows overlay filter)", 0x80000017, false},
      {"single-instance storage", 0x80000007, false},
      {"app execution alias", 0x8000001B, false},
      {"projected file system", 0x9000001C, false},
      {"hierarchical storage", 0xC0000004, false},
      {"AF_UNIX socket", 0x80000023, false},
      {"no tag told (Wine's Unix link to a folder)", 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsLinkReparseTag(c.tag), c.link);
#ifdef _WIN32
    if (c.tag != 0) {
      EXPECT_EQ(IsLinkReparseTag(c.tag), IsReparseTagNameSurrogate(c.tag) != 0);
    }
#endif
  }
}

}  // namespace
}  // namespace device
