#include "benchcommon.h"
#include "benchcontext.h"
#include "enginebench.h"

#include "engine/errors.h"
#include "engine/evaluator.h"

namespace quorvex::bench {

namespace {

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
}

} // namespace quorvex::bench
