#include <benchmark/benchmark.h>

#include <QWidget>
#include <optional>
#include <string>

#include "benchmarks.h"
#include "harness.h"
#include "ratio_reporter.h"
#include "screen_cases.h"
#include "support/temp_folder.h"
#include "window_record.h"

namespace bench {
namespace {

void AppScreen(benchmark::State& state, const ScreenCase& screen) {
  support::TempFolder device;
  PrepareDevice(device.root(), screen.line);
  for (auto _ : state) {
    std::optional<std::string> fault;
    {
      AppOnDevice app(device.root());
      app.program().Run([&] { screen.open(app.program()); });
      QWidget* window = app.window();
      const bool painted = window != nullptr && WaitUntilPainted(*window);
      state.PauseTiming();
      fault = app.Fault(screen.window);
      if (!fault && !painted) fault = "the window never painted";
    }
    FlushDeletes();
    if (fault) {
      state.SkipWithError(fault->c_str());
      break;
    }
    state.ResumeTiming();
  }
}

void BareScreen(benchmark::State& state, const ScreenCase& screen) {
  const WindowRecord record = RecordOf(screen);
  for (auto _ : state) {
    bool painted = false;
    {
      BareWindow bare = BuildBare(record);
      bare.window->show();
      painted = WaitUntilPainted(*bare.window);
      state.PauseTiming();
    }
    FlushDeletes();
    if (!painted) {
      state.SkipWithError("the window never painted");
      break;
    }
    state.ResumeTiming();
  }
}

}  // namespace

void RegisterScreenBenchmarks() {
  for (const ScreenCase& screen : ScreenCases()) {
    RegisterPair(
        "Screen/" + std::string(screen.window),
        [&screen](benchmark::State& state) { AppScreen(state, screen); },
        [&screen](benchmark::State& state) { BareScreen(state, screen); },
        [](benchmark::internal::Benchmark* b) {
          b->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
        });
  }
}

}  // namespace bench
