#pragma once

#include "formulas.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

// What every benchmark of the suite shares: the agreement check against the
// native value, the failure flag that makes the whole run fail, the variable
// nudge, and the names the table is assembled from.

namespace quorvex::bench {

// Column names: the implementations compared side by side.
inline constexpr const char *oursColumn = "ours";
inline constexpr const char *peerOptimizedColumn = "peer opt on";
inline constexpr const char *peerPlainColumn = "peer opt off";
inline constexpr const char *nativeColumn = "native";

// "F1 evaluate|ours": the row of the table, then the column.
std::string benchName(const std::string &row, const char *column);
std::string evaluateRow(const BenchFormula &formula);
std::string compileRow(const BenchFormula &formula);
// Our Evaluate with the functions in plain double precision.
std::string doubleMathRow(const BenchFormula &formula);

// The variables' values at the start of a benchmark.
std::vector<double> initialValues(const BenchFormula &formula);

// Compares value with the native result at the initial values. On a
// disagreement it stops the benchmark with an error and fails the run.
bool confirmAgreement(benchmark::State &state, const BenchFormula &formula, double value);
// Stops the benchmark with an error and fails the run.
void failBenchmark(benchmark::State &state, const std::string &why);
bool runFailed();

// Alternates the first variable between its value and a nudged one.
class Nudger {
public:
  explicit Nudger(double &slot)
      : slot_(slot), plain_(slot), nudged_(slot * nudgeFactor) {}
  void operator()() noexcept {
    flip_ = !flip_;
    slot_ = flip_ ? nudged_ : plain_;
  }

private:
  double &slot_;
  const double plain_;
  const double nudged_;
  bool flip_ = false;
};

} // namespace quorvex::bench
