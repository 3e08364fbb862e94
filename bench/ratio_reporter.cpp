#include "ratio_reporter.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <ostream>

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

// "Screen/Form4" before "Screen/Form10": runs of digits compare as numbers.
bool NaturalLess(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (std::isdigit(static_cast<unsigned char>(a[i])) &&
        std::isdigit(static_cast<unsigned char>(b[j]))) {
      std::size_t i_end = i;
      std::size_t j_end = j;
      while (i_end < a.size() && std::isdigit(static_cast<unsigned char>(a[i_end]))) ++i_end;
      while (j_end < b.size() && std::isdigit(static_cast<unsigned char>(b[j_end]))) ++j_end;
      const long x = std::stol(a.substr(i, i_end - i));
      const long y = std::stol(b.substr(j, j_end - j));
      if (x != y) return x < y;
      i = i_end;
      j = j_end;
    } else {
      if (a[i] != b[j]) return a[i] < b[j];
      ++i;
      ++j;
    }
  }
  return a.size() - i < b.size() - j;
}

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

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
    auto [entry, added] = samples_.try_emplace(name);
    if (added) order_.push_back(name);
    Samples& samples = entry->second;
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
  std::vector<std::string> names = order_;
  std::sort(names.begin(), names.end(), NaturalLess);
  out << "\nRatios app / bare: medians of the runs; spread: their coefficient of variation\n";
  for (const Group& group : kGroups) {
    bool header = false;
    for (const std::string& name : names) {
      if (name.rfind(group.prefix, 0) != 0 || !EndsWith(name, "/app")) continue;
      const std::string key = name.substr(0, name.size() - 4);
      const auto bare = samples_.find(key + "/bare");
      if (bare == samples_.end()) continue;
      if (!header) {
        out << "\n" << group.what << ", target at most " << group.target << "x\n";
        header = true;
      }
      const Samples& a = samples_.at(name);
      const Samples& b = bare->second;
      const std::vector<double>& app_times = group.cpu ? a.cpu : a.real;
      const std::vector<double>& bare_times = group.cpu ? b.cpu : b.real;
      char line[200];
      if (!a.error.empty() || !b.error.empty() || app_times.empty() || bare_times.empty()) {
        std::snprintf(line, sizeof line, "  %-14s error: %s\n", key.c_str(),
                      (a.error.empty() ? b.error : a.error).c_str());
      } else {
        const double app = Median(app_times);
        const double base = Median(bare_times);
        const double ratio = base > 0 ? app / base : 0;
        std::snprintf(line, sizeof line,
                      "  %-14s app %8.3f %s %s  bare %8.3f %s %s  ratio %5.2f  %s\n", key.c_str(),
                      app, a.unit.c_str(), Spread(app_times).c_str(), base, b.unit.c_str(),
                      Spread(bare_times).c_str(), ratio, ratio <= group.target ? "ok" : "OVER");
      }
      out << line;
    }
  }
  out.flush();
}

}  // namespace bench
