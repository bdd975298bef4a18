#include "trigonometric.h"

#include "extended.h"
#include "kernels.h"
#include "mathfuncerror.h"
#include "routinesupport.h"
#include "tables.h"

#include <algorithm>
#include <cmath>

// The fast double-double paths with their rounding test, and the quad path
// behind them, as described in elementary.cpp.

namespace quorvex::math {

using extended::Finish;
using fast::Checked;
using fast::Decided;
using fast::DD;
using fast::Slack;

namespace {
// The shared guard: arguments beyond 2^63 are refused. Exactly +-2^63 is
// accepted and reduced like any other argument.
void guard(Float x) { DomainCheck(!(std::fabs(x) <= extended::TwoToPower63)); }

// sin x and cos x of a guarded x, each with its relative error bound: the
// kernel's plus the reduction's absolute error relative to the value.
// Forced inline, like the kernels: a call returned the pair through memory.
struct SinCos {
  DD s, c;
  double sEps, cEps;
};

[[gnu::always_inline]] inline SinCos sinCosOf(Float x) {
  const fast::TrigReduced t = fast::ReduceTrig(std::fabs(x));
  SinCos v{};
  fast::SinCosOf(t, v.s, v.c);
  if (std::signbit(x))
    v.s = fast::Neg(v.s);
  v.sEps = fast::SinCosEps + t.absError / std::fabs(v.s.hi);
  v.cEps = fast::SinCosEps + t.absError / std::fabs(v.c.hi);
  return v;
}

// 1 - cos x. Near multiples of 2 pi, 1 - cos x cancels; sin^2 x / (1 +
// cos x) is the same quantity without the subtraction, and is used
// wherever cos x > 0 (elsewhere 1 - cos x >= 1 has no cancellation). The
// bound: the square doubles sin's, 1 + cos x adds at most cos's.
[[gnu::always_inline]] inline DD versineOf(const SinCos &v, double &eps) {
  if (v.c.hi > 0) {
    eps = 2 * v.sEps + v.cEps;
    return fast::Div(fast::Square(v.s), fast::AddDouble(v.c, 1));
  }
  eps = v.cEps;
  return fast::AddDouble(fast::Neg(v.c), 1);
}

// Below 2^-500, 1/x rounds to the same double as 1/x +- x/3 or x/6: the
// correction is 2^-1000 relative, and 1/x for a double x is never within
// 2^-107 relative of a rounding boundary.
bool reciprocalOfTiny(Float x, Float &out) {
  if (std::fabs(x) >= 0x1p-500)
    return false;
  out = Checked(1 / x);
  return true;
}
} // namespace

// Below 2^-27, x^3/3 is under a quarter ulp of x.
Float Tan(Float x) {
  guard(x);
  if (std::fabs(x) < 0x1p-27)
    return x;
  const SinCos v = sinCosOf(x);
  return Decided(fast::Div(v.s, v.c), v.sEps + v.cEps, x, quad::Tan);
}

// tan x is 0 only at x = 0: the division by zero, as 1/tan always gave.
Float Cot(Float x) {
  guard(x);
  if (x == 0)
    throw EZeroDivide();
  Float out = 0;
  if (reciprocalOfTiny(x, out))
    return out;
  const SinCos v = sinCosOf(x);
  return Decided(fast::Div(v.c, v.s), v.sEps + v.cEps, x, quad::Cot);
}

// Below 2^-27, sec x = 1 + x^2/2 rounds to 1.
Float Sec(Float x) {
  guard(x);
  if (std::fabs(x) < 0x1p-27)
    return 1;
  const SinCos v = sinCosOf(x);
  return Decided(fast::Recip(v.c), v.cEps, x, quad::Sec);
}

// sin x is 0 only at x = 0, the domain error.
Float Csc(Float x) {
  guard(x);
  DomainCheck(x == 0);
  Float out = 0;
  if (reciprocalOfTiny(x, out))
    return out;
  const SinCos v = sinCosOf(x);
  return Decided(fast::Recip(v.s), v.sEps, x, quad::Csc);
}

// 1 - sin x cancels near pi/2 + 2k pi; cos^2 x / (1 + sin x) does not.
Float Coversine(Float x) {
  guard(x);
  if (x == 0)
    return 1;
  const SinCos v = sinCosOf(x);
  if (v.s.hi > 0)
    return Decided(fast::Div(fast::Square(v.c), fast::AddDouble(v.s, 1)),
                   2 * v.cEps + v.sEps, x, quad::Coversine);
  return Decided(fast::AddDouble(fast::Neg(v.s), 1), v.sEps, x, quad::Coversine);
}

// sec x - 1 = (1 - cos x) / cos x, which keeps small arguments exact; for
// cos x < 0, 1/cos x - 1 <= -2 does not cancel.
Float Exsecans(Float x) {
  guard(x);
  if (x == 0)
    return 0;
  const SinCos v = sinCosOf(x);
  if (v.c.hi > 0) {
    double eps = 0;
    const DD versine = versineOf(v, eps);
    return Decided(fast::Div(versine, v.c), eps + v.cEps, x, quad::Exsecans);
  }
  return Decided(fast::AddDouble(fast::Recip(v.c), -1), v.cEps, x, quad::Exsecans);
}

namespace {
__float128 slowHaversine(Float x) { return quad::Versine(x) / 2; }
} // namespace

Float Haversine(Float x) {
  guard(x);
  if (x == 0)
    return 0;
  double eps = 0;
  const DD versine = versineOf(sinCosOf(x), eps);
  return Decided(fast::Scale(versine, 0.5), eps, x, slowHaversine);
}

Float Versine(Float x) {
  guard(x);
  if (x == 0)
    return 0;
  double eps = 0;
  const DD versine = versineOf(sinCosOf(x), eps);
  return Decided(versine, eps, x, quad::Versine);
}

namespace {
// n/d for doubles as s + e: s the rounded quotient, e the correction from
// the exact remainder n - s d, so that s + e is n/d to 2^-106 and |e| <=
// ulp(s)/2, for d within [2^-400, 2^400] and n d above 2^-969 (smaller
// quotients make results that the rounding test refuses anyway).
struct Ratio {
  double s, e;
};

Ratio ratio(double n, double d) {
  const double s = n / d;
  const DD p = fast::TwoProd(s, d);
  return {s, ((n - p.hi) - p.lo) / d};
}

constexpr DD Zero{0, 0};

// atan(|x|) for finite x: up to 1 the table polynomial, beyond pi/2 -
// atan(1/|x|) (at least pi/4, so the bound holds for the whole). Beyond
// 2^60 it is pi/2 - 1/x to far better than 2^-100, where the reciprocal's
// rounding no longer matters.
DD atanOfMagnitude(Float ax) {
  if (ax > 0x1p60)
    return fast::AddDouble(fast::HalfPiDD, -1 / ax);
  if (ax <= 1)
    return fast::OffsetTaylor(fast::AtanTaylorTable, Zero, 1, ax, 0);
  const Ratio v = ratio(1, ax);
  return fast::OffsetTaylor(fast::AtanTaylorTable, fast::HalfPiOnGrid, -1, v.s, v.e);
}
} // namespace

// NaN has no value and +-infinity gives +-pi/2, as atan2 always gave.
// Below 2^-27 arctan x rounds to x.
Float ArcTan(Float x) {
  if (!std::isfinite(x))
    return Finish(std::atan2(static_cast<Float80>(x), 1.0L));
  const Float ax = std::fabs(x);
  if (ax < 0x1p-27)
    return x;
  const DD v = atanOfMagnitude(ax);
  return Decided(std::signbit(x) ? fast::Neg(v) : v, fast::AtanTaylorEps, x, quad::ArcTan);
}

namespace {
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
  const DD square = fast::TwoProd(s, s);
  return {s, ((t - square.hi) - square.lo) / (2 * s)};
}
} // namespace

// Below 2^-26 arcsin x rounds to x; up to 1/2 it is asin |x| itself, beyond
// pi/2 - 2 asin y, where 2 asin y <= pi/3 is at most twice the result.
// A NaN passes the domain check and has no value.
Float ArcSin(Float x) {
  DomainCheck(std::fabs(x) > 1);
  if (std::isnan(x))
    throw EInvalidOp();
  const Float ax = std::fabs(x);
  if (ax < 0x1p-26)
    return x;
  DD v = fast::HalfPiDD;
  double eps = 0;
  if (ax <= 0.5) {
    v = fast::OffsetTaylor(fast::AsinTable, Zero, 1, ax, 0);
    eps = fast::AsinEps;
  } else if (ax < 1) {
    const HalfAngleRoot y = halfAngleRoot(ax);
    v = fast::OffsetTaylor(fast::AsinTable, fast::HalfPiOnGrid, -2, y.s, y.d);
    eps = 2 * fast::AsinEps;
  }
  return Decided(std::signbit(x) ? fast::Neg(v) : v, eps, x, quad::ArcSin);
}

// arccos x = pi/2 -+ asin |x| up to |x| = 1/2, 2 asin y above and pi - 2
// asin y below -1/2: the asin part is at most the result (at most half of
// it, except for 2 asin y, which is the result), so AsinEps bounds the
// whole.
Float ArcCos(Float x) {
  DomainCheck(std::fabs(x) > 1);
  if (std::isnan(x))
    throw EInvalidOp();
  if (x == 1)
    return 0;
  const Float ax = std::fabs(x);
  const double sign = x < 0 ? 1 : -1;
  DD v = fast::PiDD;
  if (ax <= 0.5) {
    v = fast::OffsetTaylor(fast::AsinTable, fast::HalfPiOnGrid, sign, ax, 0);
  } else if (ax < 1) {
    const HalfAngleRoot y = halfAngleRoot(ax);
    const DD base = x < 0 ? fast::Scale(fast::HalfPiOnGrid, 2) : Zero;
    v = fast::OffsetTaylor(fast::AsinTable, base, -2 * sign, y.s, y.d);
  }
  return Decided(v, fast::AsinEps, x, quad::ArcCos);
}

// Range (-pi/2, pi/2): negative for negative x. atan(1/|x|) with the
// sign of x: from 1 on the polynomial at the reciprocal, below pi/2 -
// atan |x| (at least pi/4); beyond 2^60 it rounds to 1/x, as for cot.
Float ArcCot(Float x) {
  DomainCheck(x == 0);
  if (!std::isfinite(x))
    return Finish(std::atan(1 / static_cast<Float80>(x)));
  const Float ax = std::fabs(x);
  if (ax > 0x1p60)
    return 1 / x;
  DD v{};
  if (ax >= 1) {
    const Ratio r = ratio(1, ax);
    v = fast::OffsetTaylor(fast::AtanTaylorTable, Zero, 1, r.s, r.e);
  } else {
    v = fast::OffsetTaylor(fast::AtanTaylorTable, fast::HalfPiOnGrid, -1, ax, 0);
  }
  return Decided(std::signbit(x) ? fast::Neg(v) : v, fast::AtanTaylorEps, x, quad::ArcCot);
}

namespace {
// sqrt(x^2 - 1) for 1 < |x| < 2^500: from the exact |x| - 1 up to 2,
// beyond from the exact square.
DD rootOfSquareMinusOne(Float a) {
  if (a <= 2)
    return fast::Sqrt(fast::MulDouble(fast::TwoSum(a, 1), a - 1));
  return fast::Sqrt(fast::AddDouble(fast::TwoProd(a, a), -1));
}

// |x| < 1 has no real arcsec or arccsc: the invalid operation; NaN and the
// infinities keep their extended-precision outcome.
bool outsideRealRange(Float x) { return !std::isfinite(x) || std::fabs(x) < 1; }

Float80 extendedRoot(Float x) {
  const Float80 a = std::fabs(static_cast<Float80>(x));
  return extended::Sqrt((a - 1) * (a + 1));
}
} // namespace

// arccos(1/x) in [0, pi] as atan2(sqrt(x^2 - 1), sign x), which never forms
// 1/x and so keeps the accuracy next to |x| = 1. Beyond 2^500 the root is
// |x| to 2^-1000 and pi/2 - atan(1/|x|) is formed directly.
Float ArcSec(Float x) {
  if (outsideRealRange(x))
    return Finish(std::atan2(extendedRoot(x), x < 0 ? -1.0L : 1.0L));
  const Float a = std::fabs(x);
  DD v{};
  if (a == 1)
    v = {0, 0};
  else if (a >= 0x1p500)
    v = fast::AddDouble(fast::HalfPiDD, -1 / a);
  else
    v = fast::AtanRatio(rootOfSquareMinusOne(a), {1, 0});
  if (x < 0)
    v = fast::Sub(fast::PiDD, v);
  if (v.hi == 0)
    return 0;
  return Decided(v, fast::AtanEps, x, quad::ArcSec);
}

// arcsin(1/x) in [-pi/2, pi/2], as atan2(sign x, sqrt(x^2 - 1)); beyond
// 2^500 it rounds to 1/x as arccot does.
Float ArcCsc(Float x) {
  if (outsideRealRange(x))
    return Finish(std::atan2(x < 0 ? -1.0L : 1.0L, extendedRoot(x)));
  const Float a = std::fabs(x);
  if (a >= 0x1p500)
    return 1 / x;
  const DD v = a == 1 ? fast::HalfPiDD : fast::AtanRatio({1, 0}, rootOfSquareMinusOne(a));
  return Decided(x < 0 ? fast::Neg(v) : v, fast::AtanEps, x, quad::ArcCsc);
}

namespace {
__float128 slowArcTan2(Float y, Float x) { return quad::ArcTan2(y, x); }
} // namespace

// Zeros and non-finite arguments keep atan2's extended outcome (signed
// zeros, +-pi, +-pi/2, NaN's invalid operation). Otherwise both are scaled
// by the same power of two into range; atan2 is pi minus the first
// quadrant's angle for x < 0, which is at least pi/2 and cancels nothing.
Float ArcTan2(Float y, Float x) {
  if (y == 0 || x == 0 || !std::isfinite(y) || !std::isfinite(x))
    return Finish(std::atan2(static_cast<Float80>(y), static_cast<Float80>(x)));
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
  const DD base = steep ? fast::HalfPiOnGrid : x < 0 ? fast::Scale(fast::HalfPiOnGrid, 2) : Zero;
  DD v = fast::OffsetTaylor(fast::AtanTaylorTable, base, scale, q.s, q.e);
  if (std::signbit(y))
    v = fast::Neg(v);
  Float out = 0;
  if (fast::RoundsTo(v, fast::AtanTaylorEps + Slack, out))
    return out;
  return quad::Round(slowArcTan2(y, x));
}

} // namespace quorvex::math
