#include "ratio_reporter.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <ostream>
#include <utility>

namespace bench {
namespace {

// What a group measures, which time counts, and the ratio it should stay within.
struct Group {
  std::string_view prefix;
  std::string_view what;
  bool cpu;
  double target;
};

constexpr Group kGroups[] = {
    {"Screen/", "Device root to window painted, CPU time per window", true, 1.5},
    {"Cold/", "The same as the first window of a fresh process, CPU time", false, 1.5},
    {"Start/", "Start, from the click to the last flush, wall time", false, 1.2},
    {"Clock/", "Live clock, CPU time per 2 s of idle", false, 1.1},
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The coefficient of variation of the runs, as "±12%"; blank for a single run.
std::string Spread(const std::vector<double>& values) {
  if (values.size() < 2) return "    ";
  const double mean = std::accumulate(values.begin(), values.end(), 0.0) / values.size();
  double squares = 0;
  for (const double value : values) squares += (value - mean) * (value - mean);
  const double percent = mean > 0 ? 100 * std::sqrt(squares / (values.size() - 1)) / mean : 0;
  char text[16];
  std::snprintf(text, sizeof text, "±%2.0f%%", percent);
  return text;
}

// The keys of the registered pairs, in the order of their registration.
std::vector<std::string>& PairKeys() {
  static std::vector<std::string> keys;
  return keys;
}

const Group* GroupOf(const std::string& key) {
  for (const Group& group : kGroups) {
    if (key.rfind(group.prefix, 0) == 0) return &group;
  }
  return nullptr;
}

}  // namespace

void RegisterPair(const std::string& key, std::function<void(benchmark::State&)> app,
                  std::function<void(benchmark::State&)> bare,
                  const std::function<void(benchmark::internal::Benchmark*)>& setup) {
  setup(benchmark::RegisterBenchmark((key + "/app").c_str(), std::move(app)));
  setup(benchmark::RegisterBenchmark((key + "/bare").c_str(), std::move(bare)));
  PairKeys().push_back(key);
}

RatioReporter::RatioReporter()
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

void RatioReporter::ReportRuns(const std::vector<Run>& reports) {
  std::vector<Run> shown;
  for (const Run& run : reports) {
    if (run.run_type == Run::RT_Aggregate || run.repetitions <= 1 || run.error_occurred) {
      shown.push_back(run);
    }
    if (run.run_type != Run::RT_Iteration) continue;
    const std::string& name = run.run_name.function_name;
    Samples& samples = samples_[name];
    samples.unit = benchmark::GetTimeUnitString(run.time_unit);
    if (run.error_occurred) {
      samples.error = run.error_message;
    } else {
      samples.real.push_back(run.GetAdjustedRealTime());
      samples.cpu.push_back(run.GetAdjustedCPUTime());
    }
  }
  if (!shown.empty()) ConsoleReporter::ReportRuns(shown);
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::ostream& out = GetOutputStream();
  out << "\nRatios app / bare: medians of the runs; spread: their coefficient of variation\n";
  const Group* shown_group = nullptr;
  for (const std::string& key : PairKeys()) {
    const auto app = samples_.find(key + "/app");
    const auto bare = samples_.find(key + "/bare");
    const Group* group = GroupOf(key);
    if (app == samples_.end() || bare == samples_.end() || group == nullptr) continue;
    if (group != shown_group) {
      out << "\n" << group->what << ", target at most " << group->target << "x\n";
      shown_group = group;
    }
    const Samples& a = app->second;
    const Samples& b = bare->second;
    const std::vector<double>& app_times = group->cpu ? a.cpu : a.real;
    const std::vector<double>& bare_times = group->cpu ? b.cpu : b.real;
    char line[200];
    if (!a.error.empty() || !b.error.empty() || app_times.empty() || bare_times.empty()) {
      std::snprintf(line, sizeof line, "  %-14s error: %s\n", key.c_str(),
                    (a.error.empty() ? b.error : a.error).c_str());
    } else {
      const double app_median = Median(app_times);
      const double bare_median = Median(bare_times);
      const double ratio = bare_median > 0 ? app_median / bare_median : 0;
      std::snprintf(line, sizeof line,
                    "  %-14s app %8.3f %s %s  bare %8.3f %s %s  ratio %5.2f  %s\n", key.c_str(),
                    app_median, a.unit.c_str(), Spread(app_times).c_str(), bare_median,
                    b.unit.c_str(), Spread(bare_times).c_str(), ratio,
                    ratio <= group->target ? "ok" : "OVER");
    }
    out << line;
  }
  out.flush();
}

}  // namespace bench
