#include "inversetrigonometric.h"

#include "doubledouble.h"
#include "extended.h"
#include "inversetrigonometrictables.h"
#include "libquadmath.h"
#include "mathfuncerror.h"
#include "roundingdecision.h"
#include "taylorpolynomials.h"

#include "engine/errors.h"

#include <algorithm>
#include <cmath>

// Each function below: its fast path, returning a double-double with its
// error bound; its accurate path in quad precision; its entry point, which
// settles the arguments with a fixed answer and then lets the rounding
// decision choose between the two. The fast paths evaluate the tables of
// Taylor polynomials of asin and atan (taylorpolynomials.h); arcsec and
// arccsc use the atan of a quotient below.

namespace quorvex::math {

using extended::finish;
using fast::Bounded;
using fast::DD;
using fast::decided;
using fast::slack;
using quad::Quad;
using quad::wide;

namespace {

constexpr DD zero{0, 0};

// --- the atan of a quotient --------------------------------------------------

constexpr double atanEps = 0x1p-68;

// atan(n/d) = atan c + atan t with c = i/256 nearest n/d and
// t = (n - c d)/(d + c n), which never forms n/d itself: c has at most 9
// bits, so with d and n cut to 44-bit heads the products are exact,
// n - c d_head is exact by Sterbenz for i > 0, and the tails of n and d
// enter with u^2-sized roundings; one double-double quotient (2^-104)
// gives t, |t| <= 2^-9 (1 + 2^-40). atan t = t - t^3/3 + ... + t^9/9
// (next term below 2^-93 relative to t); the cubic and higher part,
// 2^-19.6 relative to t, is evaluated in double with 3u: 2^-71 relative to
// t. The result is at least |t| (i = 0) or at least atan(1/256) - 2^-9 >
// |t|, and the final sums add under 2^-72: with the table's 2^-106, 2^-69.7
// in all (tools/math_bounds.py), atanEps = 2^-68.
[[gnu::always_inline]] inline DD atanQuotient(DD num, DD den) {
  const auto i = static_cast<unsigned>(fast::nearestInteger(num.hi / den.hi * 256));
  DD t{};
  if (i == 0) {
    t = fast::div(num, den);
  } else {
    const double c = i * (1.0 / 256);
    const DD d = fast::splitBits(den.hi, 9);
    const DD n = fast::splitBits(num.hi, 9);
    const DD numerator =
        fast::twoSum(num.hi - c * d.hi, (num.lo - c * den.lo) - c * d.lo);
    const DD sum = fast::twoSum(den.hi, c * n.hi);
    const DD denominator =
        fast::fastTwoSum(sum.hi, sum.lo + (c * n.lo + (den.lo + c * num.lo)));
    t = fast::div(numerator, denominator);
  }
  const double th = t.hi;
  const double z = th * th;
  const double tail =
      t.lo + th * z * (-1.0 / 3 + z * (0.2 + z * (-1.0 / 7 + z * (1.0 / 9))));
  if (i == 0)
    return fast::fastTwoSum(th, tail);
  const DD &table = fast::atanTable[i];
  const DD head = fast::fastTwoSum(table.hi, th);
  return fast::fastTwoSum(head.hi, head.lo + (table.lo + tail));
}

// Whichever of num/den and den/num is at most 1 goes to atanQuotient;
// pi/2 - atan of the reciprocal loses nothing since atan <= pi/4 there.
[[gnu::always_inline]] inline DD atanRatio(DD num, DD den) {
  if (num.hi <= den.hi)
    return atanQuotient(num, den);
  const DD v = atanQuotient(den, num);
  const DD head = fast::twoSum(fast::halfPiDD.hi, -v.hi);
  return fast::fastTwoSum(head.hi, head.lo + (fast::halfPiDD.lo - v.lo));
}

// --- what the functions share ------------------------------------------------

// n/d for doubles as s + e: s the rounded quotient, e the correction from
// the exact remainder n - s d, so that s + e is n/d to 2^-106 and |e| <=
// ulp(s)/2, for d within [2^-400, 2^400] and n d above 2^-969 (smaller
// quotients make results that the rounding test refuses anyway).
struct Ratio {
  double s, e;
};

Ratio ratio(double n, double d) {
  const double s = n / d;
  const DD p = fast::twoProd(s, d);
  return {s, ((n - p.hi) - p.lo) / d};
}

// y = sqrt((1 - a)/2) as s + d for 1/2 < a < 1, where asin a = pi/2 - 2
// asin y and acos a = 2 asin y: 1 - a is exact (Sterbenz) and so is its
// half (at least 2^-54); s is the rounded root and d = (t - s^2)/(2s) from
// the exact remainder, so that s + d is y to 2^-106.
struct HalfAngleRoot {
  double s, d;
};

HalfAngleRoot halfAngleRoot(Float a) {
  const double t = 0.5 * (1 - a);
  const double s = std::sqrt(t);
  const DD square = fast::twoProd(s, s);
  return {s, ((t - square.hi) - square.lo) / (2 * s)};
}

// sqrt(x^2 - 1) for 1 < |x| < 2^500: from the exact |x| - 1 up to 2,
// beyond from the exact square.
DD rootOfSquareMinusOne(Float a) {
  if (a <= 2)
    return fast::sqrt(fast::mulDouble(fast::twoSum(a, 1), a - 1));
  return fast::sqrt(fast::addDouble(fast::twoProd(a, a), -1));
}

// |x| < 1 has no real arcsec or arccsc: the invalid operation; NaN and the
// infinities keep their extended-precision outcome.
bool outsideRealRange(Float x) {
  return !std::isfinite(x) || std::fabs(x) < 1;
}

Float80 extendedRoot(Float x) {
  const Float80 a = std::fabs(static_cast<Float80>(x));
  return extended::sqrt((a - 1) * (a + 1));
}

// --- arctan ------------------------------------------------------------------

// atan(|x|) for finite x: up to 1 the table polynomial, beyond pi/2 -
// atan(1/|x|) (at least pi/4, so the bound holds for the whole). Beyond
// 2^60 it is pi/2 - 1/x to far better than 2^-100, where the reciprocal's
// rounding no longer matters.
DD atanOfMagnitude(Float ax) {
  if (ax > 0x1p60)
    return fast::addDouble(fast::halfPiDD, -1 / ax);
  if (ax <= 1)
    return fast::offsetTaylor(fast::atanTaylorTable, zero, 1, ax, 0);
  const Ratio v = ratio(1, ax);
  return fast::offsetTaylor(fast::atanTaylorTable, fast::halfPiOnGrid, -1, v.s, v.e);
}

Bounded arcTanFast(Float x, Float ax) {
  const DD v = atanOfMagnitude(ax);
  return {std::signbit(x) ? fast::neg(v) : v, fast::atanTaylorEps + slack, 0};
}

Quad arcTanAccurate(Float x) {
  return atanq(wide(x));
}

} // namespace

// NaN has no value and +-infinity gives +-pi/2, the limits atan2 gives.
// Below 2^-27 arctan x rounds to x.
Float ArcTan(Float x) {
  if (!std::isfinite(x))
    return finish(std::atan2(static_cast<Float80>(x), 1.0L));
  const Float ax = std::fabs(x);
  if (ax < 0x1p-27)
    return x;
  return decided(arcTanFast(x, ax), arcTanAccurate, x);
}

// --- arcsin ------------------------------------------------------------------

namespace {
// For 2^-26 <= |x| <= 1: up to 1/2 asin |x| itself, beyond pi/2 - 2 asin
// y, where 2 asin y <= pi/3 is at most twice the result.
Bounded arcSinFast(Float x, Float ax) {
  DD v = fast::halfPiDD;
  double eps = 0;
  if (ax <= 0.5) {
    v = fast::offsetTaylor(fast::asinTable, zero, 1, ax, 0);
    eps = fast::asinEps;
  } else if (ax < 1) {
    const HalfAngleRoot y = halfAngleRoot(ax);
    v = fast::offsetTaylor(fast::asinTable, fast::halfPiOnGrid, -2, y.s, y.d);
    eps = 2 * fast::asinEps;
  }
  return {std::signbit(x) ? fast::neg(v) : v, eps + slack, 0};
}

Quad arcSinAccurate(Float x) {
  return asinq(wide(x));
}
} // namespace

// Below 2^-26 arcsin x rounds to x. A NaN passes the domain check and has
// no value.
Float ArcSin(Float x) {
  domainCheck(std::fabs(x) > 1);
  if (std::isnan(x))
    throw EInvalidOp();
  const Float ax = std::fabs(x);
  if (ax < 0x1p-26)
    return x;
  return decided(arcSinFast(x, ax), arcSinAccurate, x);
}

// --- arccos ------------------------------------------------------------------

namespace {
// arccos x = pi/2 -+ asin |x| up to |x| = 1/2, 2 asin y above and pi - 2
// asin y below -1/2: the asin part is at most the result (at most half of
// it, except for 2 asin y, which is the result), so asinEps bounds the
// whole.
Bounded arcCosFast(Float x) {
  const Float ax = std::fabs(x);
  const double sign = x < 0 ? 1 : -1;
  DD v = fast::piDD;
  if (ax <= 0.5) {
    v = fast::offsetTaylor(fast::asinTable, fast::halfPiOnGrid, sign, ax, 0);
  } else if (ax < 1) {
    const HalfAngleRoot y = halfAngleRoot(ax);
    const DD base = x < 0 ? fast::scale(fast::halfPiOnGrid, 2) : zero;
    v = fast::offsetTaylor(fast::asinTable, base, -2 * sign, y.s, y.d);
  }
  return {v, fast::asinEps + slack, 0};
}

Quad arcCosAccurate(Float x) {
  return acosq(wide(x));
}
} // namespace

Float ArcCos(Float x) {
  domainCheck(std::fabs(x) > 1);
  if (std::isnan(x))
    throw EInvalidOp();
  if (x == 1)
    return 0;
  return decided(arcCosFast(x), arcCosAccurate, x);
}

// --- arccot ------------------------------------------------------------------

namespace {
// atan(1/|x|) with the sign of x: from 1 on the polynomial at the
// reciprocal, below pi/2 - atan |x| (at least pi/4).
Bounded arcCotFast(Float x, Float ax) {
  DD v{};
  if (ax >= 1) {
    const Ratio r = ratio(1, ax);
    v = fast::offsetTaylor(fast::atanTaylorTable, zero, 1, r.s, r.e);
  } else {
    v = fast::offsetTaylor(fast::atanTaylorTable, fast::halfPiOnGrid, -1, ax, 0);
  }
  return {std::signbit(x) ? fast::neg(v) : v, fast::atanTaylorEps + slack, 0};
}

Quad arcCotAccurate(Float x) {
  return atanq(1 / wide(x));
}
} // namespace

// Range (-pi/2, pi/2): negative for negative x. Beyond 2^60 it rounds to
// 1/x, as for cot.
Float ArcCot(Float x) {
  domainCheck(x == 0);
  if (!std::isfinite(x))
    return finish(std::atan(1 / static_cast<Float80>(x)));
  const Float ax = std::fabs(x);
  if (ax > 0x1p60)
    return 1 / x;
  return decided(arcCotFast(x, ax), arcCotAccurate, x);
}

// --- arcsec ------------------------------------------------------------------

namespace {
// arccos(1/x) in [0, pi] as atan2(sqrt(x^2 - 1), sign x), which never
// forms 1/x and so keeps the accuracy next to |x| = 1. Beyond 2^500 the
// root is |x| to 2^-1000 and pi/2 - atan(1/|x|) is formed directly.
Bounded arcSecFast(Float x) {
  const Float a = std::fabs(x);
  DD v{};
  if (a == 1)
    v = {0, 0};
  else if (a >= 0x1p500)
    v = fast::addDouble(fast::halfPiDD, -1 / a);
  else
    v = atanRatio(rootOfSquareMinusOne(a), {1, 0});
  if (x < 0)
    v = fast::sub(fast::piDD, v);
  return {v, atanEps + slack, 0};
}

// (a - 1)(a + 1) is exact in quad for a double a.
Quad arcSecAccurate(Float x) {
  const Quad a = quad::magnitude(wide(x));
  return atan2q(sqrtq((a - 1) * (a + 1)), quad::signOf(x));
}
} // namespace

Float ArcSec(Float x) {
  if (outsideRealRange(x))
    return finish(std::atan2(extendedRoot(x), x < 0 ? -1.0L : 1.0L));
  const Bounded v = arcSecFast(x);
  if (v.v.hi == 0)
    return 0;
  return decided(v, arcSecAccurate, x);
}

// --- arccsc ------------------------------------------------------------------

namespace {
// arcsin(1/x) in [-pi/2, pi/2], as atan2(sign x, sqrt(x^2 - 1)).
Bounded arcCscFast(Float x, Float a) {
  const DD v = a == 1 ? fast::halfPiDD : atanRatio({1, 0}, rootOfSquareMinusOne(a));
  return {x < 0 ? fast::neg(v) : v, atanEps + slack, 0};
}

Quad arcCscAccurate(Float x) {
  const Quad a = quad::magnitude(wide(x));
  return atan2q(quad::signOf(x), sqrtq((a - 1) * (a + 1)));
}
} // namespace

// Beyond 2^500 it rounds to 1/x as arccot does.
Float ArcCsc(Float x) {
  if (outsideRealRange(x))
    return finish(std::atan2(x < 0 ? -1.0L : 1.0L, extendedRoot(x)));
  const Float a = std::fabs(x);
  if (a >= 0x1p500)
    return 1 / x;
  return decided(arcCscFast(x, a), arcCscAccurate, x);
}

// --- arctan2 -----------------------------------------------------------------

namespace {
// For finite nonzero y and x. Both are scaled by the same power of two
// into range; atan2 is pi minus the first quadrant's angle for x < 0,
// which is at least pi/2 and cancels nothing.
Bounded arcTan2Fast(Float y, Float x) {
  Float ay = std::fabs(y);
  Float ax = std::fabs(x);
  // Within [2^-400, 2^400] the quotients need no scaling.
  if (!(ay >= 0x1p-400 && ax >= 0x1p-400 && ay <= 0x1p400 && ax <= 0x1p400)) {
    const int e = std::max(std::ilogb(y), std::ilogb(x));
    ay = std::ldexp(ay, -e);
    ax = std::ldexp(ax, -e);
  }
  // The smaller over the larger: atan q, pi - atan q, pi/2 -+ atan q, each
  // at least atan q or pi/4.
  const bool steep = ay > ax;
  const Ratio q = steep ? ratio(ax, ay) : ratio(ay, ax);
  const double scale = steep != (x < 0) ? -1 : 1;
  const DD base = steep   ? fast::halfPiOnGrid
                  : x < 0 ? fast::scale(fast::halfPiOnGrid, 2)
                          : zero;
  DD v = fast::offsetTaylor(fast::atanTaylorTable, base, scale, q.s, q.e);
  if (std::signbit(y))
    v = fast::neg(v);
  return {v, fast::atanTaylorEps + slack, 0};
}

Quad arcTan2Accurate(Float y, Float x) {
  return atan2q(wide(y), wide(x));
}
} // namespace

// Zeros and non-finite arguments keep atan2's extended outcome (signed
// zeros, +-pi, +-pi/2, NaN's invalid operation).
Float ArcTan2(Float y, Float x) {
  if (y == 0 || x == 0 || !std::isfinite(y) || !std::isfinite(x))
    return finish(std::atan2(static_cast<Float80>(y), static_cast<Float80>(x)));
  return decided(arcTan2Fast(y, x), arcTan2Accurate, y, x);
}

} // namespace quorvex::math
