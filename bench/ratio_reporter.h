#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

// The console report, followed by a table of ratios: each "<group>/<case>/app" benchmark against
// its "<group>/<case>/bare" counterpart, by the median of the runs, with the spread of the runs
// and the group's target. With repetitions the console shows only the aggregates.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter();

  void ReportRuns(const std::vector<Run>& reports) override;
  void Finalize() override;

 private:
  struct Samples {
    std::vector<double> real;  // per run, in the run's time unit
    std::vector<double> cpu;
    std::string unit;
    std::string error;
  };

  std::map<std::string, Samples> samples_;  // by benchmark name
  std::vector<std::string> order_;          // every name once
};

}  // namespace bench
