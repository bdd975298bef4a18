#include "peerbench.h"
#include "benchcommon.h"

#include <muParser.h>

namespace quorvex::bench {

namespace {

// Everything the peer needs before its first value: a fresh parser, the
// variables defined, the text set. The peer parses lazily, on its first
// Eval, so that call belongs to its compile.
double prepare(mu::Parser &parser, const BenchFormula &formula,
               std::vector<double> &values, bool optimize) {
  parser.EnableOptimizer(optimize);
  for (std::size_t i = 0; i < values.size(); ++i)
    parser.DefineVar(formula.variables[i].name, &values[i]);
  parser.SetExpr(formula.peer);
  return parser.Eval();
}

bool checked(benchmark::State &state, const BenchFormula &formula, bool optimize) {
  try {
    std::vector<double> values = initialValues(formula);
    mu::Parser parser;
    return confirmAgreement(state, formula, prepare(parser, formula, values, optimize));
  } catch (const mu::Parser::exception_type &e) {
    failBenchmark(state, formula.name + ": " + e.GetMsg());
    return false;
  }
}

void evaluate(benchmark::State &state, const BenchFormula &formula, bool optimize) {
  if (!checked(state, formula, optimize))
    return;
  std::vector<double> values = initialValues(formula);
  mu::Parser parser;
  prepare(parser, formula, values, optimize);
  Nudger nudge(values[0]);
  for (auto _ : state) {
    nudge();
    benchmark::DoNotOptimize(parser.Eval());
  }
}

void compile(benchmark::State &state, const BenchFormula &formula, bool optimize) {
  if (!checked(state, formula, optimize))
    return;
  std::vector<double> values = initialValues(formula);
  for (auto _ : state) {
    mu::Parser parser;
    benchmark::DoNotOptimize(prepare(parser, formula, values, optimize));
  }
}

void native(benchmark::State &state, const BenchFormula &formula) {
  std::vector<double> values = initialValues(formula);
  Nudger nudge(values[0]);
  for (auto _ : state) {
    nudge();
    benchmark::DoNotOptimize(formula.native(values.data()));
  }
}

} // namespace

void registerPeerBenchmarks() {
  for (const BenchFormula &formula : benchFormulas()) {
    benchmark::RegisterBenchmark(benchName(evaluateRow(formula), nativeColumn).c_str(),
                                 native, formula);
    for (const bool optimize : {true, false}) {
      const char *column = optimize ? peerOptimizedColumn : peerPlainColumn;
      benchmark::RegisterBenchmark(benchName(evaluateRow(formula), column).c_str(),
                                   evaluate, formula, optimize);
      benchmark::RegisterBenchmark(benchName(compileRow(formula), column).c_str(),
                                   compile, formula, optimize);
    }
  }
}

} // namespace quorvex::bench
