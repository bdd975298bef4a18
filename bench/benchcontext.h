#pragma once

namespace quorvex {
class TExprContext;
}

namespace quorvex::bench {

// The context the benchmarked formulas are compiled against: the standard
// math context when the math library is built, else a small stand-in with
// just the functions the formulas call.
TExprContext &BenchContext();

// The same function names computed in plain double precision by the C
// library, as the peer computes them. Formulas compiled against it show the
// engine's own cost apart from the extended-precision math routines.
TExprContext &DoubleContext();

} // namespace quorvex::bench
