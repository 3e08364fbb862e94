#include "app/program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/headless_front_end.h"
#include "device/errors.h"
#include "device/file_system.h"
#include "support/fixed_clock.h"
#include "support/temp_device.h"

namespace app {
namespace {

using cli::HeadlessFrontEnd;
using support::TempDevice;

// The program's own failures reach stderr with control characters as "?"; the message box keeps
// the text.
TEST(ProgramFailureTest, StderrShowsControlCharactersAsQuestionMarks) {
  TempDevice device;
  ::device::FileSystem file_system(device.root());
  const support::FixedClock clock(support::kSomeTime);
  HeadlessFrontEnd front_end;
  Program program(file_system, clock, front_end);
  const std::string text = "Could not read the device root \"R\x1b[2J\n\xff\xc3\xbc\": reason";
  testing::internal::CaptureStderr();
  program.Run([&text] { throw ::device::DeviceError(text); });
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Could not read the device root \"R?[2J??\xc3\xbc\": reason\n");
  EXPECT_EQ(front_end.messages(), std::vector<std::string>{text});
  EXPECT_EQ(program.exit_status(), kExitRuntimeFailure);
}

}  // namespace
}  // namespace app
