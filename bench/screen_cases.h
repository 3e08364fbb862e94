#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"
#include "window_record.h"

namespace bench {

// A screen as the program opens it: what the device holds and the call that shows the screen.
struct ScreenCase {
  std::string_view window;  // the expected window's name
  std::string line;         // the settings line of ravlen_setting.ini; empty: no settings file
  std::function<void(app::Program&)> open;
};

// Form1, Form2, Form3, Form4, Form10, Form11, Form12, Form13, Form15.
const std::vector<ScreenCase>& ScreenCases();
const ScreenCase& FindScreenCase(std::string_view window);

class AppOnDevice;

// Opens the screen through the program and waits until it is painted; what went wrong, if anything.
std::optional<std::string> OpenAndPaint(AppOnDevice& app, const ScreenCase& screen);

// The widget tree of the screen as the program shows it, read once from a real window.
WindowRecord RecordOf(const ScreenCase& screen);

}  // namespace bench
