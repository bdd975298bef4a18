#include "hyperbolic.h"

#include "argumentreduction.h"
#include "doubledouble.h"
#include "exponential.h"
#include "exponentialtables.h"
#include "extended.h"
#include "hyperbolictables.h"
#include "libquadmath.h"
#include "mathfuncerror.h"
#include "roundingdecision.h"
#include "taylorpolynomials.h"

#include "engine/errors.h"

#include <cmath>

// Each function below: its fast path, returning a double-double with its
// error bound; its accurate path in quad precision; its entry point, which
// settles the arguments with a fixed answer and then lets the rounding
// decision choose between the two. The fast paths are built from the exp
// kernel (of one sign or both) and, for small arguments, from tables of
// Taylor polynomials.

namespace quorvex::math {

using extended::divide;
using extended::finish;
using fast::Bounded;
using fast::BoundedScaled;
using fast::DD;
using fast::decided;
using fast::powerOfTwo;
using fast::slack;
using quad::Quad;
using quad::wide;

namespace {

DD withSign(Float x, const DD &v) {
  return std::signbit(x) ? fast::neg(v) : v;
}

// Beyond these the results leave the double range (cosh, sinh) or round
// to +-1 (tanh, coth: 1 - tanh a < 2 e^-2a < 2^-60).
constexpr Float hugeStart = 711;
constexpr Float saturationStart = 22;
// Beyond this |x|, e^-2|x| is below 2^-184, so csch and sech are 2 e^-|x|
// to far better than the rounding test needs.
constexpr Float tailStart = 64;

// --- e^x and e^-x from one reduction -----------------------------------------

// e^-x = 2^(-n/256) e^-r, and e^-r's polynomial is e^r's (expFast) with
// the odd part negated, q+- = +-rl (1 +- rh) + rh^2 (even +- odd). Each
// mantissa is formed as in expFast, with the table entry of -n and -ra;
// leaving out rl rh^2/2 (rl below 2^-62 for a double x) costs 2^-80, and
// the even and odd sums add u each: q's roundings stay under 2^-70.7, the
// whole below 2^-69.7 for either (tools/math_bounds.py). The mantissas are left as a
// head and a rest below 2^-19 of it, for pairSum to add; minus carries
// 2^-k, not 2^-(n >> 8 of -n): half the table value when n is not a
// multiple of 256.
struct ExpPair {
  double plusHead, plusRest;   // e^x 2^-k
  double minusHead, minusRest; // e^-x 2^k
  int k;
};

[[gnu::always_inline]] inline ExpPair expBoth(double x) {
  const fast::ExpReduced r = fast::reduceExp(x);
  const double rh = r.rh;
  const double rl = r.rl;
  const double h2 = rh * rh;
  const double even = fast::mulAdd(h2, fast::mulAdd(h2, 1.0 / 720, 1.0 / 24), 0.5);
  const double odd = rh * fast::mulAdd(h2, 1.0 / 120, 1.0 / 6);
  const double lowOdd = rl * rh;
  const double qPlus = fast::mulAdd(h2, even + odd, rl + lowOdd);
  const double qMinus = fast::mulAdd(h2, even - odd, lowOdd - rl);
  const auto n = static_cast<int>(r.n);
  const fast::ExpSplitEntry &tp = fast::expSplitTable[n & 255];
  const fast::ExpSplitEntry &tm = fast::expSplitTable[-n & 255];
  const DD ra = fast::splitBits(rh, 27);
  const DD headPlus = fast::fastTwoSum(tp.head, tp.head * ra.hi);
  const double restPlus =
      headPlus.lo + (tp.head * (ra.lo + qPlus) + tp.tail * (1 + (rh + qPlus)));
  const DD headMinus = fast::fastTwoSum(tm.head, -(tm.head * ra.hi));
  const double restMinus =
      headMinus.lo + (tm.head * (qMinus - ra.lo) + tm.tail * (1 + (qMinus - rh)));
  const double half = (n & 255) == 0 ? 1 : 0.5;
  return {headPlus.hi, restPlus, half * headMinus.hi, half * restMinus, n >> 8};
}

// (e^x + sign e^-x) 2^-k for k < 60 and sign +-1, where the difference,
// if any, cancels by at most coth(1/2) < 2.17 (x >= 1/2): the heads' sum
// is exact, and the rests' sum rounds by u 2^-19 of the terms, 2^-72; with
// the mantissas' 2^-69.7 that is 2^-69.6 of the sum (coshExpEps) and 2^-68.5
// of the difference (sinhExpEps).
[[gnu::always_inline]] inline DD pairSum(const ExpPair &e, double sign) {
  const double f = sign * powerOfTwo(-2 * e.k);
  const DD s = fast::twoSum(e.plusHead, f * e.minusHead);
  return fast::fastTwoSum(s.hi, s.lo + (e.plusRest + f * e.minusRest));
}

// --- the kernels of the functions --------------------------------------------

// The bounds of the kernels below beyond their tables (tools/math_bounds.py
// recomputes them): cosh and sinh from expBoth, tanh and coth from e^2a.
constexpr double coshExpEps = fast::expFastEps;
constexpr double sinhExpEps = 3 * fast::expFastEps;
constexpr double tanhQuotientEps = fast::expFastEps;
constexpr double cothQuotientEps = 1.5 * fast::expFastEps;

// cosh a for 2^-27 <= a <= 711. Below 1 the table polynomial: one table
// entry instead of two exponentials. Above, cosh a = 2^(k-1) (p + q 2^-2k)
// for e^a = p 2^k and e^-a = q 2^-k; the two terms have the same sign, so
// the bound is expFastEps. For k >= 60 the second is below 2^-118 of the
// first.
[[gnu::always_inline]] inline BoundedScaled coshOf(Float a) {
  if (a < 1)
    return {fast::taylorValue(fast::coshTaylorTable, a), 0, fast::coshTaylorEps};
  const ExpPair e = expBoth(a);
  if (e.k >= 60)
    return {fast::fastTwoSum(e.plusHead, e.plusRest), e.k - 1, coshExpEps};
  return {pairSum(e, 1), e.k - 1, coshExpEps};
}

// sinh a for 2^-26 <= a <= 711. Below 1/2 the table polynomial; above,
// 2^(k-1) (p - q 2^-2k) cancels by at most coth(1/2) < 2.17 (three times
// expFastEps covers it).
[[gnu::always_inline]] inline BoundedScaled sinhOf(Float a) {
  if (a < 0.5)
    return {fast::taylorValue(fast::sinhTaylorTable, a), 0, fast::sinhTaylorEps};
  const ExpPair e = expBoth(a);
  if (e.k >= 60)
    return {fast::fastTwoSum(e.plusHead, e.plusRest), e.k - 1, coshExpEps};
  return {pairSum(e, -1), e.k - 1, sinhExpEps};
}

// From ln(3)/2 on tanh a >= 1/2, and tanh a = 1 - 2/(e^2a + 1) and coth a
// = 1 + 2/(e^2a - 1) cancel little: the quotient q is at most 1/2 and so
// at most 1 - q; e^2a - 1 is at least 2/3 of e^2a. Below, tanh is the
// table polynomial, and coth its reciprocal (2^-104 more).
constexpr Float quotientStart = 0.5493061443340549; // just above ln(3)/2

Bounded tanhOf(Float a) {
  if (a >= quotientStart) {
    const BoundedScaled e = fast::expFast(2 * a);
    const DD sum = fast::addDouble(fast::scale(e.m, powerOfTwo(e.k)), 1);
    return {fast::addDouble(fast::neg(fast::div({2, 0}, sum)), 1), tanhQuotientEps, 0};
  }
  return {fast::taylorValue(fast::tanhTaylorTable, a), fast::tanhTaylorEps, 0};
}

Bounded cothOf(Float a) {
  if (a >= quotientStart) {
    const BoundedScaled e = fast::expFast(2 * a);
    const DD difference = fast::addDouble(fast::scale(e.m, powerOfTwo(e.k)), -1);
    return {fast::addDouble(fast::div({2, 0}, difference), 1), cothQuotientEps, 0};
  }
  return {fast::recip(fast::taylorValue(fast::tanhTaylorTable, a)), fast::tanhTaylorEps,
          0};
}

// 2 e^-a for tailStart < a <= 746 with the sign of x: a double-double
// times 2^(k+1).
BoundedScaled twiceExpOfMinus(Float x, Float a) {
  const BoundedScaled e = fast::expFast(-a);
  return {withSign(x, e.m), e.k + 1, e.eps + slack};
}

// 1/m 2^-k for a fast path m 2^k.
DD reciprocal(const BoundedScaled &v) {
  return fast::scale(fast::div({1, 0}, v.m), powerOfTwo(-v.k));
}

// --- cosh --------------------------------------------------------------------

[[gnu::always_inline]] inline BoundedScaled coshFast(Float a) {
  const BoundedScaled c = coshOf(a);
  return {c.m, c.k, c.eps + slack};
}

Quad coshAccurate(Float x) {
  return coshq(wide(x));
}

} // namespace

// A NaN has no value; infinities overflow. Below 2^-26, cosh rounds to 1.
Float Cosh(Float x) {
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a > hugeStart)
    throw EOverflow();
  if (a < 0x1p-26)
    return 1;
  return decided(coshFast(a), coshAccurate, x);
}

// --- sinh --------------------------------------------------------------------

namespace {
[[gnu::always_inline]] inline BoundedScaled sinhFast(Float x, Float a) {
  const BoundedScaled s = sinhOf(a);
  return {withSign(x, s.m), s.k, s.eps + slack};
}

Quad sinhAccurate(Float x) {
  return sinhq(wide(x));
}
} // namespace

// Below 2^-26, sinh x rounds to x.
Float Sinh(Float x) {
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a > hugeStart)
    throw EOverflow();
  if (a < 0x1p-26)
    return x;
  return decided(sinhFast(x, a), sinhAccurate, x);
}

// --- tanh --------------------------------------------------------------------

namespace {
Bounded tanhFast(Float x, Float a) {
  const Bounded t = tanhOf(a);
  return {withSign(x, t.v), t.eps + slack, 0};
}

Quad tanhAccurate(Float x) {
  return tanhq(wide(x));
}
} // namespace

// Below 2^-27, tanh x rounds to x.
Float Tanh(Float x) {
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a > saturationStart)
    return std::signbit(x) ? -1 : 1;
  if (a < 0x1p-27)
    return x;
  return decided(tanhFast(x, a), tanhAccurate, x);
}

// --- coth --------------------------------------------------------------------

namespace {
// Below 2^-27 coth x is 1/x + x/3 to 2^-108.
Bounded cothFast(Float x, Float a) {
  if (a < 0x1p-27)
    return {fast::addDouble(fast::recip({x, 0}), x / 3), slack, 0};
  const Bounded c = cothOf(a);
  return {withSign(x, c.v), c.eps + slack, 0};
}

Quad cothAccurate(Float x) {
  return 1 / tanhq(wide(x));
}
} // namespace

// tanh x is 0 only at x = 0, where 1/tanh x is the division by zero.
Float Coth(Float x) {
  if (std::isnan(x) || x == 0)
    return finish(divide(1, std::tanh(static_cast<Float80>(x))));
  const Float a = std::fabs(x);
  if (a > saturationStart)
    return std::signbit(x) ? -1 : 1;
  Float out = 0;
  if (fast::reciprocalOfTiny(x, out))
    return out;
  return decided(cothFast(x, a), cothAccurate, x);
}

// --- csch --------------------------------------------------------------------

namespace {
// Below 2^-27 csch x is 1/x - x/6 to 2^-108.
Bounded cschFast(Float x, Float a) {
  if (a < 0x1p-27)
    return {fast::addDouble(fast::recip({x, 0}), -x / 6), slack, 0};
  const BoundedScaled s = sinhOf(a);
  return {withSign(x, reciprocal(s)), s.eps + slack, 0};
}

Quad cschAccurate(Float x) {
  return 1 / sinhq(wide(x));
}
} // namespace

// csch and sech of large |x| are the tiny 2 e^-|x| (quietly 0 far out), not
// an overflow of e^|x|. A NaN has no value.
Float Csch(Float x) {
  domainCheck(x == 0);
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a > tailStart) {
    if (a > 746)
      return std::signbit(x) ? -0.0 : 0.0;
    return decided(twiceExpOfMinus(x, a), cschAccurate, x);
  }
  Float out = 0;
  if (fast::reciprocalOfTiny(x, out))
    return out;
  return decided(cschFast(x, a), cschAccurate, x);
}

// --- sech --------------------------------------------------------------------

namespace {
Bounded sechFast(Float a) {
  const BoundedScaled c = coshOf(a);
  return {reciprocal(c), c.eps + slack, 0};
}

Quad sechAccurate(Float x) {
  return 1 / coshq(wide(x));
}
} // namespace

// Below 2^-27, sech rounds to 1.
Float Sech(Float x) {
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a > tailStart) {
    if (a > 746)
      return 0.0;
    return decided(twiceExpOfMinus(a, a), sechAccurate, a);
  }
  if (a < 0x1p-27)
    return 1;
  return decided(sechFast(a), sechAccurate, x);
}

} // namespace quorvex::math
