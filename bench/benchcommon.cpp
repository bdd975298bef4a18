#include "benchcommon.h"

#include <cstdio>

namespace quorvex::bench {

namespace {
bool failed = false;
}

std::string benchName(const std::string &row, const char *column) {
  return row + "|" + column;
}

std::string evaluateRow(const BenchFormula &formula) {
  return formula.name + " evaluate";
}
std::string compileRow(const BenchFormula &formula) {
  return formula.name + " compile";
}
std::string doubleMathRow(const BenchFormula &formula) {
  return formula.name + " evaluate, double fns";
}

std::vector<double> initialValues(const BenchFormula &formula) {
  std::vector<double> values;
  values.reserve(formula.variables.size());
  for (const BenchVariable &variable : formula.variables)
    values.push_back(variable.value);
  return values;
}

bool confirmAgreement(benchmark::State &state, const BenchFormula &formula,
                      double value) {
  const std::vector<double> values = initialValues(formula);
  const double expected = formula.native(values.data());
  if (agrees(value, expected))
    return true;
  char why[160];
  std::snprintf(why, sizeof why, "%s gives %.17g, native %.17g", formula.name.c_str(),
                value, expected);
  failBenchmark(state, why);
  return false;
}

void failBenchmark(benchmark::State &state, const std::string &why) {
  failed = true;
  state.SkipWithError(why.c_str());
}

bool runFailed() {
  return failed;
}

} // namespace quorvex::bench
