#include "benchcommon.h"
#include "benchcontext.h"
#include "enginebench.h"

#include "engine/errors.h"
#include "engine/evaluator.h"

#include <string>

namespace quorvex::bench {

namespace {

constexpr const char *PerOpRow = "Evaluate, 3998 ops, per op";
constexpr const char *FailingRow = "Evaluate, 4002 ops, failing";
// Each term x*1.0000001 is two code ops, and each + between two terms one.
constexpr int Terms = 1333;
constexpr int SumOps = 3 * Terms - 1;

// The sum of Terms products, then divided by x - x when failing: the run
// goes through every op of the sum before the last op faults.
std::string longSum(bool failing) {
  std::string text = "x*1.0000001";
  for (int i = 1; i < Terms; ++i)
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
  if (!Agrees(evaluator.Evaluate(), 3 * 1.0000001 * Terms)) {
    FailBenchmark(state, "the long sum disagrees with native");
    return;
  }
  Nudger nudge(x);
  for (auto _ : state) {
    nudge();
    benchmark::DoNotOptimize(evaluator.Evaluate());
  }
  if (evaluator.Machine.CodeList.size() != SumOps)
    FailBenchmark(state, "the long sum is not the program it was meant to be");
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
      FailBenchmark(state, "the failing sum computed");
      return;
    } catch (const EZeroDivide &) {
    }
  }
}

// Everything a Compute does before it evaluates: a fresh evaluator, the
// context attached, the variables bound, the text compiled.
void prepare(TCompiledEvaluator &evaluator, const BenchFormula &formula,
             std::vector<double> &values, TExprContext &context = BenchContext()) {
  BindFormula(evaluator, formula, values, context);
  evaluator.Compile(formula.ours);
}

// Compiles once and checks the result; false (and the run failed) otherwise.
bool checked(benchmark::State &state, const BenchFormula &formula,
             TExprContext &context = BenchContext()) {
  try {
    std::vector<double> values = InitialValues(formula);
    TCompiledEvaluator evaluator;
    prepare(evaluator, formula, values, context);
    return ConfirmAgreement(state, formula, evaluator.Evaluate());
  } catch (const Exception &e) {
    FailBenchmark(state, formula.name + ": " + e.message());
    return false;
  }
}

void evaluate(benchmark::State &state, const BenchFormula &formula, TExprContext *context) {
  if (!checked(state, formula, *context))
    return;
  std::vector<double> values = InitialValues(formula);
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
  std::vector<double> values = InitialValues(formula);
  for (auto _ : state) {
    TCompiledEvaluator evaluator;
    prepare(evaluator, formula, values);
    benchmark::DoNotOptimize(evaluator.Machine.CodeList.data());
  }
}

} // namespace

void RegisterEngineBenchmarks() {
  for (const BenchFormula &formula : BenchFormulas()) {
    benchmark::RegisterBenchmark(BenchName(EvaluateRow(formula), Ours).c_str(), evaluate,
                                 formula, &BenchContext());
    if (formula.callsFunctions)
      benchmark::RegisterBenchmark(BenchName(DoubleMathRow(formula), Ours).c_str(), evaluate,
                                   formula, &DoubleContext());
    benchmark::RegisterBenchmark(BenchName(CompileRow(formula), Ours).c_str(), compile,
                                 formula);
  }
  benchmark::RegisterBenchmark(BenchName(PerOpRow, Ours).c_str(), perOp);
  benchmark::RegisterBenchmark(BenchName(FailingRow, Ours).c_str(), failing);
}

std::vector<TableRow> EngineRows(const MedianCollector &medians) {
  TableRow perOpRow;
  perOpRow.label = PerOpRow;
  perOpRow.unit = "ns";
  perOpRow.ours = medians.Median(BenchName(PerOpRow, Ours)) / SumOps;
  TableRow failingRow;
  failingRow.label = FailingRow;
  failingRow.unit = "ns";
  failingRow.ours = medians.Median(BenchName(FailingRow, Ours));
  return {perOpRow, failingRow};
}

} // namespace quorvex::bench
