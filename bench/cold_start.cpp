#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QWidget>
#include <chrono>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "benchmarks.h"
#include "harness.h"
#include "ratio_reporter.h"
#include "screen_cases.h"
#include "support/temp_folder.h"
#include "window_record.h"

namespace bench {
namespace {

constexpr const char* kChildFlag = "--cold-start-child";
constexpr const char* kScreens[] = {"Form1", "Form15"};
constexpr int kRuns = 5;

using Clock = std::chrono::steady_clock;

// Child: shows one first window, from the device root (app) or from the record (bare).
int ShowFirstWindow(const std::string& window, bool bare, const char* root,
                    const char* record_file) {
  WindowRecord record;
  if (bare) {
    QFile file(QString::fromLocal8Bit(record_file));
    if (!file.open(QIODevice::ReadOnly)) return 3;
    QDataStream in(&file);
    in >> record;
  }
  const ScreenCase& screen = FindScreenCase(window);
  const auto start = Clock::now();
  const double start_cpu = ProcessCpuSeconds();
  bool painted = false;
  std::optional<std::string> fault;
  if (bare) {
    BareWindow made = BuildBare(record);
    made.window->show();
    painted = WaitUntilPainted(*made.window);
    made.window.release();  // the process ends right after
  } else {
    auto* app = new AppOnDevice(root);  // kept: the process ends right after
    app->program().Run([&] { screen.open(app->program()); });
    fault = app->Fault(screen.window);
    painted = !fault && WaitUntilPainted(*app->window());
  }
  const auto elapsed = Clock::now() - start;
  const double cpu = ProcessCpuSeconds() - start_cpu;
  if (fault || !painted) {
    std::cerr << (fault ? *fault : "never painted") << std::endl;
    return 1;
  }
  std::cout << std::chrono::duration<double>(elapsed).count() << ' ' << cpu << std::endl;
  return 0;
}

struct ChildTimes {
  double wall = 0;  // seconds
  double cpu = 0;
};

// Parent: runs one child and returns the times it reports on its last line, or nothing with what
// it printed in `error`.
std::optional<ChildTimes> RunChild(const std::vector<std::string>& arguments, std::string& error) {
  int out[2];
  if (::pipe(out) != 0) return std::nullopt;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    ::dup2(out[1], STDERR_FILENO);
    ::close(out[0]);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv("/proc/self/exe", argv.data());
    ::_exit(127);
  }
  ::close(out[1]);
  std::string output;
  char buffer[256];
  for (ssize_t count; (count = ::read(out[0], buffer, sizeof buffer)) > 0;) {
    output.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(out[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (pid < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    error = output;
    return std::nullopt;
  }
  while (!output.empty() && output.back() == '\n') output.pop_back();
  ChildTimes times;
  std::istringstream(output.substr(output.rfind('\n') + 1)) >> times.wall >> times.cpu;
  return times;
}

void ColdStart(benchmark::State& state, const ScreenCase& screen, bool bare) {
  support::TempFolder device;
  PrepareDevice(device.root(), screen.line);
  support::TempFolder scratch;
  const std::string record_file = (scratch.root() / "record").string();
  if (bare) {
    QFile file(QString::fromStdString(record_file));
    if (!file.open(QIODevice::WriteOnly)) {
      state.SkipWithError("cannot write the window record");
      return;
    }
    QDataStream out(&file);
    out << RecordOf(screen);
  }
  const std::vector<std::string> arguments = {"dtc_bench",
                                              kChildFlag,
                                              std::string(screen.window),
                                              bare ? "bare" : "app",
                                              device.root().string(),
                                              record_file};
  double wall_ms = 0;
  for (auto _ : state) {
    std::string error;
    const std::optional<ChildTimes> times = RunChild(arguments, error);
    if (!times) {
      state.SkipWithError(("the child failed: " + error).c_str());
      break;
    }
    // CPU time: on a shared machine the wall time mostly measures the other processes.
    state.SetIterationTime(times->cpu);
    wall_ms += times->wall * 1e3;
  }
  state.counters["wall_ms"] = benchmark::Counter(wall_ms, benchmark::Counter::kAvgIterations);
}

}  // namespace

bool IsColdStartChild(int argc, char** argv) {
  return argc == 6 && std::strcmp(argv[1], kChildFlag) == 0;
}

int RunColdStartChild(int /*argc*/, char** argv) {
  int qt_argc = 1;
  QApplication application(qt_argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const int status = ShowFirstWindow(argv[2], std::strcmp(argv[3], "bare") == 0, argv[4], argv[5]);
  std::cout.flush();
  ::_exit(status);  // no teardown: only the time to the first window counts
}

void RegisterColdStartBenchmarks() {
  for (const char* window : kScreens) {
    const ScreenCase& screen = FindScreenCase(window);
    RegisterPair(
        std::string("Cold/") + window,
        [&screen](benchmark::State& state) { ColdStart(state, screen, false); },
        [&screen](benchmark::State& state) { ColdStart(state, screen, true); },
        [](benchmark::internal::Benchmark* b) {
          b->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(kRuns);
        });
  }
}

}  // namespace bench
