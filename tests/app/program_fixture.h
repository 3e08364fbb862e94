#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/start_up.h"
#include "device/file_system.h"
#include "support/fixed_clock.h"
#include "support/recording_front_end.h"
#include "support/temp_device.h"
#include "support/window_driver.h"

namespace app {

// A program on a temporary device with a fixed clock, on the front end the tests are built for.
// Its windows are driven as a user would through `screen`; its messages and its end are recorded
// instead of shown and stopping the test.
struct ProgramOnDevice {
  void StartUp() {
    program.Run([this] { app::StartUp(program); });
  }

  support::TempDevice device;
  support::FixedClock clock{support::kSomeTime};
  device::FileSystem file_system{device.root()};
  std::unique_ptr<testing_support::WindowDriver> driver = testing_support::MakeWindowDriver();
  testing_support::WindowDriver& screen = *driver;
  testing_support::RecordingFrontEnd front_end{screen};
  std::vector<std::string>& messages = front_end.messages;
  std::vector<int>& quits = front_end.quits;
  Program program{file_system, clock, front_end};
};

class ProgramTest : public ::testing::Test, protected ProgramOnDevice {};

}  // namespace app
