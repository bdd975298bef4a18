#include "benchcontext.h"

#if QUORVEX_BENCH_HAVE_MATHLIB
#include "mathlib/standardcontext.h"
#else
#include "engine/contexts.h"
#include "engine/symbols.h"

#include <cmath>
#include <memory>
#endif

namespace quorvex::bench {

#if QUORVEX_BENCH_HAVE_MATHLIB

TExprContext &BenchContext() { return StandardContext(); }

#else

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

TExprContext &BenchContext() {
  static TExprHashContext context(false, 100);
  static const bool filled = (addStandIns(context), true);
  (void)filled;
  return context;
}

#endif

} // namespace quorvex::bench
