#include "benchcontext.h"

#include "engine/contexts.h"
#include "engine/evaluator.h"
#include "engine/symbols.h"
#include "mathlib/standardcontext.h"

#include <cmath>
#include <memory>

namespace quorvex::bench {

namespace {

void addStandIns(TExprHashContext &c) {
  using Unary = TExprUnaryFuncSym::Function;
  using Binary = TExprBinaryFuncSym::Function;
  const auto unary = [&c](const char *name, Unary f) {
    c.Add(std::make_unique<TExprUnaryFuncSym>(name, f));
  };
  const auto binary = [&c](const char *name, Binary f) {
    c.Add(std::make_unique<TExprBinaryFuncSym>(name, f));
  };
  unary("sin", [](double x) { return std::sin(x); });
  unary("cos", [](double x) { return std::cos(x); });
  unary("sqrt", [](double x) { return std::sqrt(x); });
  unary("ln", [](double x) { return std::log(x); });
  unary("square", [](double x) { return x * x; });
  binary("power", [](double x, double y) { return std::pow(x, y); });
  binary("arctan2", [](double y, double x) { return std::atan2(y, x); });
}

} // namespace

TExprContext &DoubleContext() {
  static TExprHashContext context(false, 100);
  static const bool filled = (addStandIns(context), true);
  (void)filled;
  return context;
}

void BindFormula(TCompiledEvaluator &evaluator, const BenchFormula &formula,
                 std::vector<double> &values, TExprContext &context) {
  evaluator.ExternalContexts.Add(context);
  for (std::size_t i = 0; i < values.size(); ++i)
    evaluator.AddVariable(formula.variables[i].name, &values[i]);
}

TExprContext &BenchContext() { return StandardContext(); }

} // namespace quorvex::bench
