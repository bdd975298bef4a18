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
// ones that arccoth, arcsech and arccsch need, and the trigonometric
// reduction of large arguments.

namespace quorvex::fast {

// ln(w.hi + w.lo) for w.hi > 0 normal, |w.lo| <= ulp(w.hi), |w - 1| >= 2^-26.
DD LogDD(DD w);
// ln(1 + u) for u > -1 as a double-double, without forming 1 + u in double.
DD Log1p(DD u);

inline constexpr double LogDDEps = 2 * LogFastEps;
inline constexpr double Log1pEps = 2 * LogDDEps + 0x1p-80;

} // namespace quorvex::fast
