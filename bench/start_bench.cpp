#include <benchmark/benchmark.h>

#include <QPushButton>
#include <filesystem>
#include <optional>
#include <string>

#include "bare_commit.h"
#include "benchmarks.h"
#include "harness.h"
#include "screen_cases.h"
#include "temp_folder.h"
#include "window_record.h"

namespace bench {
namespace {

// Where the settings line is read from: the .ini, which Start deletes afterwards, or the hidden
// .bak alone.
struct StartCase {
  const char* name;
  std::string_view settings_file;
  unsigned dos_bits;
};

constexpr StartCase kStartCases[] = {
    {"ini", "ravlen_setting.ini", 0},
    {"bak", "ravlen_setting.bak", 0x2},
};

// The model 6 screen's block as loaded: what Start writes when nothing was changed.
std::string LoadedBlock(const ScreenCase& screen) {
  return screen.line.substr(17, 14);
}

std::optional<std::string> FilesFault(const std::filesystem::path& root, const StartCase& c) {
  const auto clock_file = root / "date_time.cfg";
  if (!std::filesystem::exists(clock_file) || std::filesystem::file_size(clock_file) != 36) {
    return "no clock line with settings";
  }
  if (!std::filesystem::exists(root / "ravlen_setting.bak")) return "no .bak written";
  if (c.dos_bits == 0 && std::filesystem::exists(root / c.settings_file)) {
    return "the .ini is still there";
  }
  return std::nullopt;
}

void AppStart(benchmark::State& state, const StartCase& c) {
  const ScreenCase& screen = FindScreenCase("Form15");
  TempFolder device;
  for (auto _ : state) {
    state.PauseTiming();
    PrepareDevice(device.root(), c.settings_file, screen.line, c.dos_bits);
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
    if (!fault) fault = FilesFault(device.root(), c);
    if (fault) {
      state.SkipWithError(fault->c_str());
      break;
    }
    state.ResumeTiming();
  }
}

void BareStart(benchmark::State& state, const StartCase& c) {
  const ScreenCase& screen = FindScreenCase("Form15");
  const WindowRecord record = RecordOf(screen);
  const std::string block = LoadedBlock(screen);
  TempFolder device;
  for (auto _ : state) {
    state.PauseTiming();
    PrepareDevice(device.root(), c.settings_file, screen.line, c.dos_bits);
    bool painted = false;
    {
      BareWindow bare = BuildBare(record);
      QWidget* window = bare.window.get();
      QObject::connect(bare.start_button, &QPushButton::clicked, window,
                       [&device, &c, &block, window] {
                         BareCommit(device.root(), c.settings_file, block);
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
    std::optional<std::string> fault = painted ? FilesFault(device.root(), c) : "never painted";
    if (fault) {
      state.SkipWithError(fault->c_str());
      break;
    }
    state.ResumeTiming();
  }
}

}  // namespace

void RegisterStartBenchmarks() {
  for (const StartCase& c : kStartCases) {
    const std::string name = std::string("Start/") + c.name;
    benchmark::RegisterBenchmark((name + "/app").c_str(), AppStart, c)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark((name + "/bare").c_str(), BareStart, c)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
}

}  // namespace bench
