#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bench {

// Registers "<key>/app" and "<key>/bare", both set up by `setup`, and keeps `key` for the table of
// ratios.
void RegisterPair(const std::string& key, std::function<void(benchmark::State&)> app,
                  std::function<void(benchmark::State&)> bare,
                  const std::function<void(benchmark::internal::Benchmark*)>& setup);

// The console report, followed by a table of ratios: for each registered pair its app benchmark
// against its bare one, by the median of the runs, with the spread of the runs and the group's
// target. With repetitions the console shows only the aggregates.
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
};

}  // namespace bench
