#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "benchmarks.h"
#include "harness.h"
#include "screen_cases.h"
#include "temp_folder.h"
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

// Parent: runs one child and returns the times it reports, or the error it printed.
std::optional<ChildTimes> RunChild(const std::vector<std::string>& arguments, std::string& error) {
  int out[2];
  if (::pipe(out) != 0) return std::nullopt;
  char error_file[] = "/tmp/cold-start-XXXXXX";
  const int error_fd = ::mkstemp(error_file);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    if (error_fd >= 0) ::dup2(error_fd, STDERR_FILENO);
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
  if (error_fd >= 0) {
    std::ifstream file(error_file);
    std::stringstream text;
    text << file.rdbuf();
    error = text.str();
    ::close(error_fd);
    ::unlink(error_file);
  }
  if (pid < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  ChildTimes times;
  std::istringstream(output) >> times.wall >> times.cpu;
  return times;
}

void ColdStart(benchmark::State& state, const ScreenCase& screen, bool bare) {
  TempFolder device;
  PrepareDevice(device.root(), screen.line.empty() ? "" : kSettingsFile, screen.line);
  TempFolder scratch;
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
    for (const bool bare : {false, true}) {
      const std::string name = std::string("Cold/") + window + (bare ? "/bare" : "/app");
      benchmark::RegisterBenchmark(name.c_str(), ColdStart, screen, bare)
          ->Unit(benchmark::kMillisecond)
          ->UseManualTime()
          ->Iterations(kRuns);
    }
  }
}

}  // namespace bench
