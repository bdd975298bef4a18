#include "enginebench.h"
#include "benchcommon.h"
#include "benchcontext.h"

#include "engine/errors.h"
#include "engine/evaluator.h"

#include <string>

namespace quorvex::bench {

namespace {

constexpr const char *perOpRow = "Evaluate, 3998 ops, per op";
constexpr const char *failingRow = "Evaluate, 4002 ops, failing";
// Each term x*1.0000001 is two code ops, and each + between two terms one.
constexpr int terms = 1333;
constexpr int sumOps = 3 * terms - 1;

// The sum of terms products, then divided by x - x when failing: the run
// goes through every op of the sum before the last op faults.
std::string longSum(bool failing) {
  std::string text = "x*1.0000001";
  for (int i = 1; i < terms; ++i)
    text += "+x*1.0000001";
  return failing ? "(" + text + ")/(x-x)" : text;
}

// What a run costs per op when nothing fails: the machine's dispatch and
// the fault checks of every op, nothing else.
void perOp(benchmark::State &state) {
  double x = 3;
  TCompiledEvaluator evaluator;
  evaluator.AddVariable("x", &x);
  evaluator.Compile(longSum(false));
  if (!agrees(evaluator.Evaluate(), 3 * 1.0000001 * terms)) {
    failBenchmark(state, "the long sum disagrees with native");
    return;
  }
  Nudger nudge(x);
  for (auto _ : state) {
    nudge();
    benchmark::DoNotOptimize(evaluator.Evaluate());
  }
  if (evaluator.Machine.CodeList.size() != sumOps)
    failBenchmark(state, "the long sum is not the program it was meant to be");
}

// A run that faults at its last op, the error caught: what a failing point
// of a plot or row of a table costs.
void failing(benchmark::State &state) {
  double x = 3;
  TCompiledEvaluator evaluator;
  evaluator.AddVariable("x", &x);
  evaluator.Compile(longSum(true));
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(evaluator.Evaluate());
      failBenchmark(state, "the failing sum computed");
      return;
    } catch (const EZeroDivide &) {
    }
  }
}

// Everything a Compute does before it evaluates: a fresh evaluator, the
// context attached, the variables bound, the text compiled.
void prepare(TCompiledEvaluator &evaluator, const BenchFormula &formula,
             std::vector<double> &values, TExprContext &context = benchContext()) {
  bindFormula(evaluator, formula, values, context);
  evaluator.Compile(formula.ours);
}

// Compiles once and checks the result; false (and the run failed) otherwise.
bool checked(benchmark::State &state, const BenchFormula &formula,
             TExprContext &context = benchContext()) {
  try {
    std::vector<double> values = initialValues(formula);
    TCompiledEvaluator evaluator;
    prepare(evaluator, formula, values, context);
    return confirmAgreement(state, formula, evaluator.Evaluate());
  } catch (const Exception &e) {
    failBenchmark(state, formula.name + ": " + e.message());
    return false;
  }
}

void evaluate(benchmark::State &state, const BenchFormula &formula,
              TExprContext *context) {
  if (!checked(state, formula, *context))
    return;
  std::vector<double> values = initialValues(formula);
  TCompiledEvaluator evaluator;
  prepare(evaluator, formula, values, *context);
  Nudger nudge(values[0]);
  for (auto _ : state) {
    nudge();
    benchmark::DoNotOptimize(evaluator.Evaluate());
  }
}

void compile(benchmark::State &state, const BenchFormula &formula) {
  if (!checked(state, formula))
    return;
  std::vector<double> values = initialValues(formula);
  for (auto _ : state) {
    TCompiledEvaluator evaluator;
    prepare(evaluator, formula, values);
    benchmark::DoNotOptimize(evaluator.Machine.CodeList.data());
  }
}

} // namespace

void registerEngineBenchmarks() {
  for (const BenchFormula &formula : benchFormulas()) {
    benchmark::RegisterBenchmark(benchName(evaluateRow(formula), oursColumn).c_str(),
                                 evaluate, formula, &benchContext());
    if (formula.callsFunctions)
      benchmark::RegisterBenchmark(benchName(doubleMathRow(formula), oursColumn).c_str(),
                                   evaluate, formula, &doubleContext());
    benchmark::RegisterBenchmark(benchName(compileRow(formula), oursColumn).c_str(),
                                 compile, formula);
  }
  benchmark::RegisterBenchmark(benchName(perOpRow, oursColumn).c_str(), perOp);
  benchmark::RegisterBenchmark(benchName(failingRow, oursColumn).c_str(), failing);
}

std::vector<TableRow> engineRows(const MedianCollector &medians) {
  TableRow perOpResult;
  perOpResult.label = perOpRow;
  perOpResult.unit = "ns";
  perOpResult.ours = medians.median(benchName(perOpRow, oursColumn)) / sumOps;
  TableRow failingResult;
  failingResult.label = failingRow;
  failingResult.unit = "ns";
  failingResult.ours = medians.median(benchName(failingRow, oursColumn));
  return {perOpResult, failingResult};
}

} // namespace quorvex::bench
