#include "cli/linux_watch_wait.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <ctime>
#include <ostream>

namespace cli {
namespace {

struct StopRow {
  const char* name;
  int signal;
};

void PrintTo(const StopRow& row, std::ostream* out) {
  *out << row.name;
}

class LinuxWatchWaitTest : public testing::TestWithParam<StopRow> {};

// A stop signal is held, not fatal, and ends the wait at once. It stays pending until taken
// here, so that the next row starts with none.
TEST_P(LinuxWatchWaitTest, AStopSignalEndsTheWaitWithoutEndingTheProgram) {
  LinuxWatchWait wait;
  ASSERT_EQ(::raise(GetParam().signal), 0);
  EXPECT_FALSE(wait.WaitForChange());
  sigset_t taken;
  sigemptyset(&taken);
  sigaddset(&taken, GetParam().signal);
  const timespec now{};
  EXPECT_EQ(::sigtimedwait(&taken, nullptr, &now), GetParam().signal);
}

INSTANTIATE_TEST_SUITE_P(StopSignals, LinuxWatchWaitTest,
                         testing::Values(StopRow{"Interrupt", SIGINT},
                                         StopRow{"Terminate", SIGTERM}, StopRow{"HangUp", SIGHUP}),
                         [](const testing::TestParamInfo<StopRow>& row) { return row.param.name; });

}  // namespace
}  // namespace cli
