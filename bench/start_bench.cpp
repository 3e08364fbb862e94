#include <benchmark/benchmark.h>

#include <QPushButton>
#include <filesystem>
#include <optional>
#include <string>

#include "bare_commit.h"
#include "benchmarks.h"
#include "harness.h"
#include "ratio_reporter.h"
#include "screen_cases.h"
#include "support/temp_folder.h"
#include "window_record.h"

namespace bench {
namespace {

// What Start on the model 6 screen leaves: the clock line with the settings block, the .bak
// written and the .ini deleted.
std::optional<std::string> FilesFault(const std::filesystem::path& root) {
  const auto clock_file = root / "date_time.cfg";
  if (!std::filesystem::exists(clock_file) || std::filesystem::file_size(clock_file) != 36) {
    return "no clock line with settings";
  }
  if (!std::filesystem::exists(root / "ravlen_setting.bak")) return "no .bak written";
  if (std::filesystem::exists(root / "ravlen_setting.ini")) return "the .ini is still there";
  return std::nullopt;
}

void AppStart(benchmark::State& state, const ScreenCase& screen) {
  support::TempFolder device;
  for (auto _ : state) {
    state.PauseTiming();
    PrepareDevice(device.root(), screen.line);
    std::optional<std::string> fault;
    {
      AppOnDevice app(device.root());
      fault = OpenAndPaint(app, screen);
      if (!fault) {
        auto* start = app.window()->findChild<QPushButton*>(QStringLiteral("Command1"));
        state.ResumeTiming();
        start->click();
        state.PauseTiming();
        fault = app.EndFault();
      }
    }
    FlushDeletes();
    if (!fault) fault = FilesFault(device.root());
    if (fault) {
      state.SkipWithError(fault->c_str());
      break;
    }
    state.ResumeTiming();
  }
}

void BareStart(benchmark::State& state, const ScreenCase& screen) {
  const WindowRecord record = RecordOf(screen);
  // The block as loaded: what Start writes when nothing was changed.
  const std::string block = screen.line.substr(17, 14);
  support::TempFolder device;
  for (auto _ : state) {
    state.PauseTiming();
    PrepareDevice(device.root(), screen.line);
    bool painted = false;
    {
      BareWindow bare = BuildBare(record);
      QWidget* window = bare.window.get();
      QObject::connect(bare.start_button, &QPushButton::clicked, window, [&device, &block, window] {
        BareCommit(device.root(), block);
        window->close();
      });
      bare.window->show();
      painted = WaitUntilPainted(*bare.window);
      if (painted) {
        state.ResumeTiming();
        bare.start_button->click();
        state.PauseTiming();
      }
    }
    FlushDeletes();
    std::optional<std::string> fault = painted ? FilesFault(device.root()) : "never painted";
    if (fault) {
      state.SkipWithError(fault->c_str());
      break;
    }
    state.ResumeTiming();
  }
}

}  // namespace

void RegisterStartBenchmarks() {
  const ScreenCase& screen = FindScreenCase("Form15");
  RegisterPair(
      "Start/Form15", [&screen](benchmark::State& state) { AppStart(state, screen); },
      [&screen](benchmark::State& state) { BareStart(state, screen); },
      [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond)->UseRealTime(); });
}

}  // namespace bench
