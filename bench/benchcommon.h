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
inline constexpr const char *Ours = "ours";
inline constexpr const char *PeerOptimized = "peer opt on";
inline constexpr const char *PeerPlain = "peer opt off";
inline constexpr const char *Native = "native";

// "F1 evaluate|ours": the row of the table, then the column.
std::string BenchName(const std::string &row, const char *column);
std::string EvaluateRow(const BenchFormula &formula);
std::string CompileRow(const BenchFormula &formula);
// Our Evaluate with the functions in plain double precision.
std::string DoubleMathRow(const BenchFormula &formula);

// The variables' values at the start of a benchmark.
std::vector<double> InitialValues(const BenchFormula &formula);

// Compares value with the native result at the initial values. On a
// disagreement it stops the benchmark with an error and fails the run.
bool ConfirmAgreement(benchmark::State &state, const BenchFormula &formula, double value);
// Stops the benchmark with an error and fails the run.
void FailBenchmark(benchmark::State &state, const std::string &why);
bool RunFailed();

// Alternates the first variable between its value and a nudged one.
class Nudger {
public:
  explicit Nudger(double &slot) : slot_(slot), plain_(slot), nudged_(slot * Nudge) {}
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
