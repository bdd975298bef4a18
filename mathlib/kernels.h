#pragma once

#include "doubledouble.h"
#include "fastkernels.h"

// The double-double kernels the routines of the standard context are built
// from. Each returns its value as a double-double with a proven relative
// error bound (the *Eps constants; the derivations are at the kernels, in
// fastkernels.h for the fast ones and kernels.cpp for these). A routine
// combines kernels, adds up their bounds, and asks RoundsTo whether the
// bound decides the rounding to double; when it does not, the routine
// takes its quad-precision path instead. The kernels here are the slower
// ones that the hyperbolic functions and their inverses need.

namespace quorvex::fast {

// e^y = 2^k * table * (1 + p) with the table's 2^(j/256) and p = e^r - 1
// for the reduced |r| <= ln2/512.
struct ExpParts {
  int k;
  DD table; // 2^(j/256)
  DD p;     // e^r - 1, relative error below ExpPolyEps
};
// |y.hi| <= 750.
ExpParts ExpReduce(DD y);
// 2^(j/256) (1 + p): e^y / 2^k, in [0.99, 2).
DD ExpMantissa(const ExpParts &parts);
// e^x - 1 for -708 <= x <= 711.
DD Expm1(double x);

inline constexpr double ExpPolyEps = 0x1p-71;
inline constexpr double ExpEps = 0x1p-74;
inline constexpr double Expm1Eps = 0x1p-69;

// ln(w.hi + w.lo) for w.hi > 0 normal, |w.lo| <= ulp(w.hi), |w - 1| >= 2^-26.
DD LogDD(DD w);
// ln(1 + u) for u > -1 as a double-double, without forming 1 + u in double.
DD Log1p(DD u);

inline constexpr double LogDDEps = 2 * LogFastEps;
inline constexpr double Log1pEps = 2 * LogDDEps + 0x1p-80;

} // namespace quorvex::fast
