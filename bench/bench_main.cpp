#include <benchmark/benchmark.h>

#include <QApplication>

#include "benchmarks.h"
#include "ratio_reporter.h"

// Runs the benchmarks headless inside one Qt application and ends with the table of ratios.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (bench::IsColdStartChild(argc, argv)) return bench::RunColdStartChild(argc, argv);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  bench::RegisterScreenBenchmarks();
  bench::RegisterColdStartBenchmarks();
  bench::RegisterStartBenchmarks();
  bench::RegisterClockBenchmarks();
  bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
