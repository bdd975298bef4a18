#pragma once

#include "formulas.h"

#include <vector>

namespace quorvex {
class TExprContext;
class TCompiledEvaluator;
} // namespace quorvex

namespace quorvex::bench {

// The context the benchmarked formulas are compiled against: the standard
// math context when the math library is built, else a small stand-in with
// just the functions the formulas call.
TExprContext &benchContext();

// The same function names computed in plain double precision by the C
// library, as the peer computes them. Formulas compiled against it show the
// engine's own cost apart from the extended-precision math routines.
TExprContext &doubleContext();

// What a Compute does before compiling: attach the context and bind each of
// the formula's variables to its slot in values.
void bindFormula(TCompiledEvaluator &evaluator, const BenchFormula &formula,
                 std::vector<double> &values, TExprContext &context);

} // namespace quorvex::bench
