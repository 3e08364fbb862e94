#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
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

constexpr int kIdleMs = 2000;
constexpr int kTickMs = 100;

// Lets the event loop run for the idle time; records the CPU time of the process meanwhile.
void MeasureIdle(benchmark::State& state) {
  QEventLoop loop;
  QTimer::singleShot(kIdleMs, &loop, &QEventLoop::quit);
  QElapsedTimer wall;
  const double before = ProcessCpuSeconds();
  wall.start();
  loop.exec();
  const double cpu = ProcessCpuSeconds() - before;
  state.SetIterationTime(cpu);
  state.counters["cpu_ms_per_s"] = cpu * 1e6 / static_cast<double>(wall.elapsed());
}

void AppClock(benchmark::State& state, const ScreenCase& screen) {
  support::TempFolder device;
  PrepareDevice(device.root(), screen.line);
  for (auto _ : state) {
    std::optional<std::string> fault;
    {
      AppOnDevice app(device.root());
      fault = OpenAndPaint(app, screen);
      if (!fault) {
        MeasureIdle(state);
        auto* label = app.window()->findChild<QLabel*>(QStringLiteral("Label1"));
        if (label->text().isEmpty()) fault = "the clock never ticked";
      }
    }
    FlushDeletes();
    if (fault) {
      state.SkipWithError(fault->c_str());
      break;
    }
  }
}

void BareClock(benchmark::State& state, const ScreenCase& screen) {
  const WindowRecord record = RecordOf(screen);
  for (auto _ : state) {
    {
      BareWindow bare = BuildBare(record);
      QLabel* label = bare.clock_label;
      QTimer timer;
      QObject::connect(&timer, &QTimer::timeout, label, [label] {
        label->setText(
            QDateTime::currentDateTime().toString(QStringLiteral("yyyy:MM:dd:hh:mm:ss")));
      });
      timer.start(kTickMs);
      bare.window->show();
      if (!WaitUntilPainted(*bare.window)) {
        state.SkipWithError("never painted");
        break;
      }
      MeasureIdle(state);
    }
    FlushDeletes();
  }
}

}  // namespace

void RegisterClockBenchmarks() {
  // One screen: every screen runs the same live clock.
  const ScreenCase& screen = FindScreenCase("Form15");
  RegisterPair(
      "Clock/Form15", [&screen](benchmark::State& state) { AppClock(state, screen); },
      [&screen](benchmark::State& state) { BareClock(state, screen); },
      [](benchmark::internal::Benchmark* b) {
        b->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
      });
}

}  // namespace bench
