#include "benchcommon.h"

#include <cstdio>

namespace quorvex::bench {

namespace {
bool failed = false;
}

std::string BenchName(const std::string &row, const char *column) {
  return row + "|" + column;
}

std::string EvaluateRow(const BenchFormula &formula) { return formula.name + " evaluate"; }
std::string CompileRow(const BenchFormula &formula) { return formula.name + " compile"; }
std::string DoubleMathRow(const BenchFormula &formula) {
  return formula.name + " evaluate, double fns";
}

std::vector<double> InitialValues(const BenchFormula &formula) {
  std::vector<double> values;
  values.reserve(formula.variables.size());
  for (const BenchVariable &variable : formula.variables)
    values.push_back(variable.value);
  return values;
}

bool ConfirmAgreement(benchmark::State &state, const BenchFormula &formula, double value) {
  const std::vector<double> values = InitialValues(formula);
  const double expected = formula.native(values.data());
  if (Agrees(value, expected))
    return true;
  char why[160];
  std::snprintf(why, sizeof why, "%s gives %.17g, native %.17g", formula.name.c_str(), value,
                expected);
  FailBenchmark(state, why);
  return false;
}

void FailBenchmark(benchmark::State &state, const std::string &why) {
  failed = true;
  state.SkipWithError(why.c_str());
}

bool RunFailed() { return failed; }

} // namespace quorvex::bench
