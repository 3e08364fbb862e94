#include "app/root_argument.h"

#include <gtest/gtest.h>

#include <string>

namespace app {
namespace {

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

// The ways a Windows user types a drive's root all name it; other roots are left as typed. On
// Linux every root is taken as typed.
TEST(RootArgumentTest, EveryFormOfADrivesRootNamesIt) {
  struct Case {
    const char* typed;
    const char* meant;  // on Windows
  };
  const Case cases[] = {
      {"E:", "E:\\"},
      {"e:", "e:\\"},
      {"E:\\", "E:\\"},
      {"E:\"", "E:\\"},  // "E:\" in quotes, as the C runtime passes it on
      {"E:\\\\", "E:\\"},
      {"\\\\?\\E:\\", "E:\\"},
      {"\\\\?\\E:", "E:\\"},
      {"//?/E:/", "E:/"},
      {"E:/", "E:/"},
      {"C:\\My Recorder\"", "C:\\My Recorder\\"},
      {"E:\\REC\\\\VOICE", "E:\\REC\\VOICE"},
      {"\\\\server\\share\\\\rec", "\\\\server\\share\\rec"},
      {"\\\\?\\UNC\\server\\share", "\\\\?\\UNC\\server\\share"},
      {"\\\\?\\", "\\\\?\\"},
      {"rec", "rec"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(WindowsRootText(c.typed), c.meant);
    EXPECT_EQ(RootText(c.typed), kWindows ? c.meant : c.typed);
  }
}

}  // namespace
}  // namespace app
