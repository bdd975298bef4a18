#include "inversehyperbolic.h"

#include "doubledouble.h"
#include "exponential.h"
#include "exponentialtables.h"
#include "extended.h"
#include "libquadmath.h"
#include "mathfuncerror.h"
#include "roundingdecision.h"

#include "engine/errors.h"

#include <cmath>

// Each function below: its fast path, returning a double-double with its
// error bound; its accurate path in quad precision; its entry point, which
// settles the arguments with a fixed answer and then lets the rounding
// decision choose between the two. The fast paths take the logarithm of a
// double-double argument formed without cancellation: logShort's for
// arcsinh, arccosh and arctanh, ln(1 + u) below for the others.

namespace quorvex::math {

using extended::divide;
using extended::finish;
using fast::Bounded;
using fast::DD;
using fast::decided;
using fast::slack;
using quad::Quad;
using quad::wide;

namespace {

Float80 signOf(Float x) {
  return std::signbit(x) ? -1.0L : 1.0L;
}

DD withSign(Float x, const DD &v) {
  return std::signbit(x) ? fast::neg(v) : v;
}

// --- ln of a double-double ---------------------------------------------------

constexpr double logDDEps = 2 * fast::logFastEps;
constexpr double log1pEps = 2 * logDDEps + 0x1p-80;

// ln(w.hi + w.lo) for w.hi > 0 normal, |w.lo| <= ulp(w.hi), |w - 1| >=
// 2^-26: ln(w) = ln(w.hi) + ln(1 + w.lo/w.hi), and |w.lo/w.hi| <= 2^-52,
// so the second is w.lo/w.hi to 2^-105 relative. With |w - 1| >= 2^-26
// the second term is below 2^-25 of the first and cancels nothing:
// logDDEps = 2 logFastEps.
DD logDD(DD w) {
  const DD main = fast::logFast(w.hi).v;
  if (w.lo == 0)
    return main;
  return fast::addDouble(main, w.lo / w.hi);
}

// ln(1 + u) for u > -1, without forming 1 + u in double. Below 2^-25,
// ln(1 + u) = u - u^2/2 + u^3/3 - u^4/4 + u^5/5 to 2^-127, the correction
// (2^-26 of u) evaluated in double: 2^-78. Above, 1 + u is the
// double-double twoSum(1, u.hi) + u.lo, exact to 2^-106 absolute and so to
// 2^-81 relative to u; its logarithm is logDD, which is at least half of
// ln(w.hi): log1pEps = 2 logDDEps + 2^-80, about 2^-71 (2^-72.9 by
// tools/math_bounds.py).
DD log1p(DD u) {
  const double v = u.hi;
  if (std::fabs(v) < 0x1p-25)
    return fast::addDouble(u, v * v * (-0.5 + v * (1.0 / 3 + v * (-0.25 + v * 0.2))));
  const DD s = fast::twoSum(1, v);
  return logDD(fast::fastTwoSum(s.hi, s.lo + u.lo));
}

// --- what arcsinh and arccosh share ------------------------------------------

// The logarithms below take double-double arguments w >= 1 + 2^-26
// formed to 2^-102 of w: that much absolutely in ln w, relative to ln w >
// 2^-26.1 below 2^-75.
constexpr double argumentEps = 0x1p-75;

// w = b + sqrt(d) for a double b >= 0 and a double-double d > 0, with s
// the root of a double within 2u of d that is there before d itself (so
// the root need not wait for the exact double-double): the exact sum of b
// and s, and in the low part the root's correction (d - s^2)/(2s) from
// its remainder, below 2 ulp(s) and so within 2.5 ulp(w.hi), which the
// logarithm accepts; d - s^2 is formed to u^2 (d.hi - s^2's head is exact
// by Sterbenz). The logarithm's reduction of w.hi does not wait for the
// division.
DD plusRoot(double b, double roughD, const DD &d) {
  const double s = std::sqrt(roughD);
  const DD square = fast::twoProd(s, s);
  const double correction = (((d.hi - square.hi) - square.lo) + d.lo) / (2 * s);
  const DD sum = fast::twoSum(s, b);
  return {sum.hi, sum.lo + correction};
}

// The fast path for arguments up to 2^27: ln w with the sign of x.
[[gnu::always_inline]] inline Bounded logOfSum(const DD &w, Float x) {
  const Bounded l = fast::logShort(w);
  return {withSign(x, l.v), fast::relativeBound(l) + argumentEps + slack, 0};
}

Float decidedLog(const DD &w, Float x, Quad (*accurate)(Float)) {
  return decided(logOfSum(w, x), accurate, x);
}

// The fast path from 2^27 on: ln a + ln 2 + c/a^2, where the next term of
// the series is 2^-110 relative: ln a >= 18.7, so the log's bound is
// relative.
[[gnu::always_inline]] inline Bounded largeArgumentLog(Float a, double c, Float x) {
  const Bounded l = fast::logShort(a);
  const DD v = fast::addDouble(fast::add(l.v, fast::ln2DD), c / a / a);
  return {withSign(x, v), fast::relativeBound(l) + slack, 0};
}

Float decidedLargeLog(Float a, double c, Float x, Quad (*accurate)(Float)) {
  return decided(largeArgumentLog(a, c, x), accurate, x);
}

// --- arcsinh -----------------------------------------------------------------

Quad arcSinhAccurate(Float x) {
  return asinhq(wide(x));
}

} // namespace

// Odd: arcsinh(-x) = -arcsinh(x), so large negative arguments do not
// cancel. ln(a + sqrt(a^2 + 1)) with the sum a double-double: twoProd's
// square is exact, the sums and the root add a few u^2, and the
// logarithm of a double-double keeps that from 2^-26 on, where arcsinh
// x would round to x; beyond 2^27, ln a + ln 2 + 1/(4a^2). A NaN has no
// value, infinities overflow.
Float ArcSinh(Float x) {
  if (!std::isfinite(x)) {
    if (std::isnan(x))
      throw EInvalidOp();
    throw EOverflow();
  }
  const Float a = std::fabs(x);
  if (a < 0x1p-26)
    return x;
  if (a < 0x1p27) {
    const DD square = fast::addDouble(fast::twoProd(a, a), 1);
    return decidedLog(plusRoot(a, fast::mulAdd(a, a, 1), square), x, arcSinhAccurate);
  }
  return decidedLargeLog(a, 0.25, x, arcSinhAccurate);
}

// --- arccosh -----------------------------------------------------------------

namespace {
Quad arcCoshAccurate(Float x) {
  return acoshq(wide(x));
}
} // namespace

// ln(x + sqrt(x^2 - 1)), the radicand (x + 1)(x - 1) with the exact t =
// x - 1 up to 2 and x^2 - 1 beyond, both to a few u^2; x + the root is at
// least 1 + sqrt(2t) >= 1 + 2^-25.5. Beyond 2^27, ln x + ln 2 - 1/(4x^2).
// NaN has no value, infinity overflows.
Float ArcCosh(Float x) {
  domainCheck(x < 1);
  if (!std::isfinite(x)) {
    if (std::isnan(x))
      throw EInvalidOp();
    throw EOverflow();
  }
  if (x == 1)
    return 0;
  if (x < 0x1p27) {
    const DD square = x < 2 ? fast::mulDouble(fast::twoSum(x, 1), x - 1)
                            : fast::addDouble(fast::twoProd(x, x), -1);
    const double rough = x < 2 ? (x + 1) * (x - 1) : fast::mulAdd(x, x, -1);
    return decidedLog(plusRoot(x, rough, square), x, arcCoshAccurate);
  }
  return decidedLargeLog(x, -0.25, x, arcCoshAccurate);
}

// --- arctanh -----------------------------------------------------------------

namespace {
// 1 - a as a double-double: exact for a >= 1/2, an exact sum below.
DD oneMinus(Float a) {
  return a >= 0.5 ? DD{1 - a, 0} : fast::twoSum(1, -a);
}

// n / d for double-doubles as q + e with q the rounded quotient of the
// heads and e the correction from the exact remainder n - q d (n.hi - q
// d.hi is exact by Sterbenz): to a few u^2, and |e| <= 2.5 ulp(q), within
// what the logarithm accepts. Unlike div, the logarithm's reduction of q
// need not wait for the second division.
DD quotient(const DD &n, const DD &d) {
  const double q = n.hi / d.hi;
  const DD p = fast::twoProd(d.hi, q);
  const double remainder = (((n.hi - p.hi) - p.lo) + n.lo) - q * d.lo;
  return {q, remainder / d.hi};
}

// ln(sqrt((1 + x)/(1 - x))) = ln((1 + a)/(1 - a)) / 2 for a = |x|, odd:
// the quotient of exact double-doubles, at least 1 + 2a.
Bounded arcTanhFast(Float x, Float a) {
  const Bounded l = fast::logShort(quotient(fast::twoSum(1, a), oneMinus(a)));
  return {withSign(x, fast::scale(l.v, 0.5)),
          fast::relativeBound(l) + argumentEps + slack, 0};
}

Quad arcTanhAccurate(Float x) {
  return atanhq(wide(x));
}
} // namespace

// Below 2^-27 it rounds to x. A NaN passes the domain check and has no
// value.
Float ArcTanh(Float x) {
  domainCheck(std::fabs(x) >= 1);
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a < 0x1p-27)
    return x;
  return decided(arcTanhFast(x, a), arcTanhAccurate, x);
}

// --- arccoth -----------------------------------------------------------------

namespace {
// (x + 1)/(x - 1) = 1 + 2/(x - 1), its logarithm ln(1 + u) with u from
// the exact |x| - 1.
Bounded arcCothFast(Float x, Float a) {
  const DD d = a <= 2 ? DD{a - 1, 0} : fast::twoSum(a, -1);
  const DD u = fast::div({2, 0}, d);
  return {withSign(x, fast::scale(log1p(u), 0.5)), log1pEps + slack, 0};
}

// atanh(1/x) would lose the accuracy of 1/x next to |x| = 1; a - 1 is
// exact.
Quad arcCothAccurate(Float x) {
  const Quad a = quad::magnitude(wide(x));
  return quad::signOf(x) * log1pq(2 / (a - 1)) / 2;
}
} // namespace

// For |x| < 1, (x + 1)/(x - 1) is negative and its logarithm the invalid
// operation. Infinities give +-0 and NaN has no value. Beyond 2^60
// arccoth x = 1/x + 1/(3x^3) rounds to 1/x.
Float ArcCoth(Float x) {
  domainCheck(std::fabs(x) == 1);
  const Float80 w = x;
  if (std::fabs(w) < 1)
    return finish(0.5L * extended::ln(divide(w + 1, w - 1)));
  if (!std::isfinite(x))
    return finish(signOf(x) * 0.5L * std::log1p(2 / (std::fabs(w) - 1)));
  const Float a = std::fabs(x);
  if (a > 0x1p60)
    return 1 / x;
  return decided(arcCothFast(x, a), arcCothAccurate, x);
}

// --- arcsech -----------------------------------------------------------------

namespace {
// ln((1 + sqrt(1 - x^2)) / x) = ln(1 + ((1 - x) + sqrt(1 - x^2)) / x) for
// 0 < x <= 1; below 2^-30 it is ln 2 - ln x - x^2/4 (next term 2^-123).
Bounded arcSechFast(Float x) {
  if (x < 0x1p-30) {
    const DD v =
        fast::addDouble(fast::sub(fast::ln2DD, fast::logFast(x).v), -0.25 * x * x);
    return {v, fast::logFastEps + slack, 0};
  }
  const DD onePlus = fast::twoSum(1, x);
  const DD oneMinusX = oneMinus(x);
  const DD root = fast::sqrt(fast::mul(onePlus, oneMinusX));
  const DD u = fast::div(fast::add(oneMinusX, root), {x, 0});
  return {log1p(u), log1pEps + slack, 0};
}

Quad arcSechAccurate(Float x) {
  const Quad w = wide(x);
  return log1pq(((1 - w) + sqrtq((1 - w) * (1 + w))) / w);
}
} // namespace

// x = 0 is the division by zero; negative x give a negative quotient and
// so the invalid operation; a NaN has no value.
Float ArcSech(Float x) {
  domainCheck(std::fabs(x) > 1);
  const Float80 w = x;
  if (w <= 0)
    return finish(extended::ln(divide(1 + std::sqrt((1 - w) * (1 + w)), w)));
  if (std::isnan(x))
    throw EInvalidOp();
  if (x == 1)
    return 0;
  return decided(arcSechFast(x), arcSechAccurate, x);
}

// --- arccsch -----------------------------------------------------------------

namespace {
// Odd. With a = |x|: ln((1 + sqrt(a^2 + 1)) / a) = ln(1 + u) where
// u = (1 + 1/(sqrt(a^2 + 1) + a)) / a, which stays accurate for large a.
// Below 2^-30 it is ln 2 - ln a + a^2/4; from 2^27, v - v^3/6 with v = 1/a
// (next term 2^-107 relative).
Bounded arcCschFast(Float x, Float a) {
  if (a < 0x1p-30) {
    const DD v =
        fast::addDouble(fast::sub(fast::ln2DD, fast::logFast(a).v), 0.25 * a * a);
    return {withSign(x, v), fast::logFastEps + slack, 0};
  }
  if (a >= 0x1p27) {
    const DD v = fast::recip({a, 0});
    return {withSign(x, fast::addDouble(v, -v.hi * v.hi * v.hi / 6)), slack, 0};
  }
  const DD root = fast::sqrt(fast::addDouble(fast::twoProd(a, a), 1));
  const DD inner = fast::addDouble(fast::recip(fast::addDouble(root, a)), 1);
  const DD u = fast::div(inner, {a, 0});
  return {withSign(x, log1p(u)), log1pEps + slack, 0};
}

Quad arcCschAccurate(Float x) {
  return asinhq(1 / wide(x));
}
} // namespace

// Beyond 2^60 it rounds to 1/x. Infinities give +-0 and NaN has no value.
Float ArcCsch(Float x) {
  domainCheck(x == 0);
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a > 0x1p60)
    return 1 / x;
  return decided(arcCschFast(x, a), arcCschAccurate, x);
}

} // namespace quorvex::math
