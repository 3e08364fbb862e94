#include "screen_cases.h"

#include <stdexcept>

#include "app/settings_screen.h"
#include "app/start_up.h"
#include "harness.h"
#include "screens/form3.h"
#include "screens/form4.h"
#include "support/settings_line_builder.h"
#include "support/temp_folder.h"

namespace bench {
namespace {

// Every capability flag "1" and every setting "0", then the version text.
std::string Line(char model) {
  return support::BuildSettingsLine({.model = model, .version = "FW 1.00 BENCH-1"});
}

// The model 6 lists do not all take "0"; this block selects an item in each.
std::string Model6Line() {
  return support::BuildSettingsLine(
      {.model = '6', .block = "42103151724189", .version = "FW 6.00 MODEL-6"});
}

}  // namespace

const std::vector<ScreenCase>& ScreenCases() {
  static const std::vector<ScreenCase> cases = {
      {"Form1", "", app::StartUp},
      {"Form2", Line('0'), app::StartUp},
      // Reached through the basic screen's Setting, which reads the line afresh and opens it.
      {"Form3", Line('0'),
       [](app::Program& program) { app::ShowSettingsScreen(program, screens::Form3()); }},
      {"Form4", Line('1'),
       [](app::Program& program) { app::ShowSettingsScreen(program, screens::Form4()); }},
      {"Form10", Line('2'), app::StartUp},
      {"Form11", Line('3'), app::StartUp},
      {"Form12", Line('4'), app::StartUp},
      {"Form13", Line('5'), app::StartUp},
      {"Form15", Model6Line(), app::StartUp},
  };
  return cases;
}

const ScreenCase& FindScreenCase(std::string_view window) {
  for (const ScreenCase& screen : ScreenCases()) {
    if (screen.window == window) return screen;
  }
  throw std::invalid_argument("no screen " + std::string(window));
}

std::optional<std::string> OpenAndPaint(AppOnDevice& app, const ScreenCase& screen) {
  app.program().Run([&] { screen.open(app.program()); });
  if (auto fault = app.Fault(screen.window)) return fault;
  if (!WaitUntilPainted(*app.window())) return "never painted";
  return std::nullopt;
}

WindowRecord RecordOf(const ScreenCase& screen) {
  support::TempFolder device;
  PrepareDevice(device.root(), screen.line);
  WindowRecord record;
  {
    AppOnDevice app(device.root());
    app.program().Run([&] { screen.open(app.program()); });
    if (const auto fault = app.Fault(screen.window)) throw std::runtime_error(*fault);
    record = Capture(*app.window());
  }
  FlushDeletes();
  return record;
}

}  // namespace bench
