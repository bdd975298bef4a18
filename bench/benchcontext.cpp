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
  // The rest of the per-function rows' C library counterparts.
  unary("tan", [](double x) { return std::tan(x); });
  unary("exp", [](double x) { return std::exp(x); });
  unary("logbase10", [](double x) { return std::log10(x); });
  unary("logbase2", [](double x) { return std::log2(x); });
  unary("arctan", [](double x) { return std::atan(x); });
  unary("arcsin", [](double x) { return std::asin(x); });
  unary("arccos", [](double x) { return std::acos(x); });
  unary("sinh", [](double x) { return std::sinh(x); });
  unary("cosh", [](double x) { return std::cosh(x); });
  unary("tanh", [](double x) { return std::tanh(x); });
  unary("arcsinh", [](double x) { return std::asinh(x); });
  unary("arccosh", [](double x) { return std::acosh(x); });
  unary("arctanh", [](double x) { return std::atanh(x); });
  binary("pythag", [](double x, double y) { return std::hypot(x, y); });
}

} // namespace

TExprContext &doubleContext() {
  static TExprHashContext context(false, 100);
  static const bool filled = (addStandIns(context), true);
  (void)filled;
  return context;
}

void bindFormula(TCompiledEvaluator &evaluator, const BenchFormula &formula,
                 std::vector<double> &values, TExprContext &context) {
  evaluator.ExternalContexts.Add(context);
  for (std::size_t i = 0; i < values.size(); ++i)
    evaluator.AddVariable(formula.variables[i].name, &values[i]);
}

TExprContext &benchContext() {
  return StandardContext();
}

} // namespace quorvex::bench
