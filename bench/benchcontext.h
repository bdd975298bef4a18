#pragma once

namespace quorvex {
class TExprContext;
}

namespace quorvex::bench {

// The context the benchmarked formulas are compiled against: the standard
// math context when the math library is built, else a small stand-in with
// just the functions the formulas call.
TExprContext &BenchContext();

} // namespace quorvex::bench
