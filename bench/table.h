#pragma once

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// The one table `make bench` prints: a row per measured quantity, the
// implementations side by side, the ratio that the goal is about, the goal
// and whether this run met it.

namespace quorvex::bench {

inline constexpr double none = NAN;

struct TableRow {
  std::string label;
  std::string unit;
  double ours = none;
  double peerOptimized = none;
  double peerPlain = none;
  double native = none;
  double ratio = none; // ours relative to the peer, as the goal states it
  std::string goal;
  int met = -1; // -1 no goal, 0 missed, 1 met
};

// Keeps the median of every benchmark's repetitions (the single run when
// there is only one), in nanoseconds, keyed by the benchmark's name.
class MedianCollector final : public benchmark::BenchmarkReporter {
public:
  bool ReportContext(const Context &context) override;
  void ReportRuns(const std::vector<Run> &runs) override;

  // NaN when the benchmark did not run.
  double median(const std::string &name) const;
  const std::vector<std::string> &errors() const noexcept { return errors_; }
  int repetitions() const noexcept { return repetitions_; }

private:
  std::map<std::string, double> medians_;
  std::map<std::string, double> singles_;
  std::vector<std::string> errors_;
  int repetitions_ = 1;
};

void printTable(const std::vector<TableRow> &rows, int repetitions, std::FILE *out);

} // namespace quorvex::bench
