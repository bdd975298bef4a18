#pragma once

#include "doubledouble.h"

// The double-double kernels the routines of the standard context are built
// from. Each returns its value as a double-double with a proven relative
// error bound (the *Eps constants; the derivations are at the kernels in
// kernels.cpp). A routine combines kernels, adds up their bounds, and
// asks RoundsTo whether the bound decides the rounding to double; when it
// does not, the routine takes its quad-precision path instead.

namespace quorvex::fast {

// e^y = 2^k * mantissa * (1 + p) with mantissa from the 2^(j/256) table
// and p = e^r - 1 for the reduced |r| <= ln2/512.
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

// The fast e^x for |x| <= 745.5: m 2^k with m in [0.99, 2) to ExpFastEps.
struct ExpScaled {
  DD m;
  int k;
};
ExpScaled ExpFast(double x);
inline constexpr double ExpFastEps = 0x1p-69;

inline constexpr double ExpPolyEps = 0x1p-71;
inline constexpr double ExpEps = 0x1p-74;
inline constexpr double Expm1Eps = 0x1p-69;

// ln x for finite x > 0 (subnormals included): the fast one, and the more
// precise one that powers and the inverse hyperbolics need.
DD LogFast(double x);
inline constexpr double LogFastEps = 0x1p-67;
DD Log(double x);
// ln(w.hi + w.lo) for w.hi > 0 normal, |w.lo| <= ulp(w.hi).
DD LogDD(DD w);
// ln(1 + u) for u > -1 as a double-double, without forming 1 + u in double.
DD Log1p(DD u);

inline constexpr double LogEps = 0x1p-77;
inline constexpr double LogDDEps = 0x1p-76;
inline constexpr double Log1pEps = 0x1p-75;

// x = n pi/512 + r modulo 2 pi, |r| <= pi/1024 (slightly more), exact to
// the relative 2^-100 and an absolute error below absError.
struct TrigReduced {
  unsigned n; // modulo 1024
  DD r;
  double absError;
};
// ax >= 2^-27 finite: Cody-Waite below 2^28, beyond it the product with
// 1/pi's bits in integer arithmetic (every double up to DBL_MAX).
TrigReduced ReduceTrig(double ax);
DD SinOf(const TrigReduced &t);
DD CosOf(const TrigReduced &t);
// Both, sharing the reduction's polynomial work.
void SinCosOf(const TrigReduced &t, DD &s, DD &c);

inline constexpr double SinCosEps = 0x1p-67;

// atan(num / den) for 0 <= num <= den.
DD AtanQuotient(DD num, DD den);
// atan(u) for 0 <= u <= 1.
DD Atan(DD u);
// atan(num / den) in [0, pi/2] for num, den >= 0, not both 0, each within
// [2^-900, 2^900] or 0.
DD AtanRatio(DD num, DD den);

inline constexpr double AtanEps = 0x1p-68;

// The rounding test for a result m * 2^k with m in [2^-8, 2^8): decides
// RN(m) and scales it, or refuses when the result could be subnormal.
// Overflow gives infinity, which the caller reports.
bool RoundsScaled(DD m, double err, int k, double &out);

} // namespace quorvex::fast
