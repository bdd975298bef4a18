#include "trigonometric.h"

#include "argumentreduction.h"
#include "doubledouble.h"
#include "extended.h"
#include "libquadmath.h"
#include "mathfuncerror.h"
#include "roundingdecision.h"
#include "trigonometrictables.h"

#include "engine/errors.h"

#include <cmath>

// Each function below: its fast path, returning a double-double with its
// error bound; its accurate path in quad precision; its entry point, which
// settles the arguments with a fixed answer and then lets the rounding
// decision choose between the two. All of them start from one kernel,
// sin and cos of the reduced argument.

namespace quorvex::math {

using fast::Bounded;
using fast::DD;
using fast::decided;
using fast::slack;
using quad::Quad;
using quad::wide;

namespace {

// --- the sin and cos kernel --------------------------------------------------

constexpr double sinCosEps = 0x1p-66;

// sin(a + r) and cos(a + r) for a = j pi/512, 0 <= j < 256, |r| <= pi/1024
// (2^-8.35), from the table's sin a and cos a:
//   sin(a + r) = sin a + cos a sin r + sin a (cos r - 1)
//   cos(a + r) = cos a - sin a sin r + cos a (cos r - 1)
// sin r = r - r^3/6 + ... - r^7/5040 + r^9/9! (next term below 2^-100
// relative) and cos r - 1 = -r^2/2 + ... + r^8/8! (next term 2^-105),
// both in double from z = rh^2. The product of the table's head (cut to 27
// bits) with rh (cut to 26) is exact, and so is its sum with the other
// table value (|sin a| >= 2|r| whenever it is not 0); every other term is
// below 2^-16.7 of the result. For j > 0 the result is at least
// sin(pi/1024) and at least half the larger table value; the largest of
// those terms, sin a (cos r - 1), passes through seven roundings (z, the
// polynomial, two products, three sums), so they stay under 2^-66.6
// relative where sin a is smallest (j = 1, r = -pi/1024); for j = 0 the
// result is sin r or cos r, where the cubic term (2^-19.3 relative to r,
// computed with 3u) gives 2^-70.7. sinCosEps = 2^-66
// (tools/math_bounds.py).
struct Pieces {
  double rh, rl, sinTail, cosMinusOne;
};

inline Pieces piecesOf(const DD &r) {
  const double rh = r.hi;
  const double rl = r.lo;
  const double z = rh * rh;
  const double sinTail =
      rl +
      rh * z * (-1.0 / 6 + z * (1.0 / 120 + z * (-1.0 / 5040 + z * (1.0 / 362880)))) -
      0.5 * z * rl;
  const double cosMinusOne =
      -rh * rl + z * (-0.5 + z * (1.0 / 24 + z * (-1.0 / 720 + z * (1.0 / 40320))));
  return {rh, rl, sinTail, cosMinusOne};
}

// u + v sin r + u (cos r - 1) for the table pair (u, v) = (sin a, cos a)
// or, with v negated, (cos a, -sin a).
inline DD combine(const DD &u, const DD &v, const Pieces &p) {
  const DD vSplit = fast::splitBits(v.hi, 26);
  const DD rSplit = fast::splitBits(p.rh, 27);
  const DD head = fast::fastTwoSum(u.hi, vSplit.hi * rSplit.hi);
  const double small =
      head.lo + (u.lo + (vSplit.hi * rSplit.lo + (vSplit.lo + v.lo) * p.rh) +
                 v.hi * p.sinTail + u.hi * p.cosMinusOne);
  return fast::fastTwoSum(head.hi, small);
}

inline DD sinPart(unsigned j, const Pieces &p) {
  return combine(fast::sinTable[j], fast::sinTable[256 - j], p);
}
inline DD cosPart(unsigned j, const Pieces &p) {
  return combine(fast::sinTable[256 - j], fast::neg(fast::sinTable[j]), p);
}

[[gnu::always_inline]] inline DD sinOf(const fast::TrigReduced &t) {
  const Pieces p = piecesOf(t.r);
  const unsigned j = t.n & 255;
  switch ((t.n >> 8) & 3) {
  case 0:
    return sinPart(j, p);
  case 1:
    return cosPart(j, p);
  case 2:
    return fast::neg(sinPart(j, p));
  default:
    return fast::neg(cosPart(j, p));
  }
}

[[gnu::always_inline]] inline DD cosOf(const fast::TrigReduced &t) {
  const Pieces p = piecesOf(t.r);
  const unsigned j = t.n & 255;
  switch ((t.n >> 8) & 3) {
  case 0:
    return cosPart(j, p);
  case 1:
    return fast::neg(sinPart(j, p));
  case 2:
    return fast::neg(cosPart(j, p));
  default:
    return sinPart(j, p);
  }
}

[[gnu::always_inline]] inline void sinCosOf(const fast::TrigReduced &t, DD &s, DD &c) {
  const Pieces p = piecesOf(t.r);
  const unsigned j = t.n & 255;
  const DD sj = sinPart(j, p);
  const DD cj = cosPart(j, p);
  switch ((t.n >> 8) & 3) {
  case 0:
    s = sj;
    c = cj;
    break;
  case 1:
    s = cj;
    c = fast::neg(sj);
    break;
  case 2:
    s = fast::neg(sj);
    c = fast::neg(cj);
    break;
  default:
    s = fast::neg(cj);
    c = sj;
    break;
  }
}

// --- what the guarded functions share ----------------------------------------

// Arguments beyond 2^63 are refused. Exactly +-2^63 is accepted and
// reduced like any other argument.
void guard(Float x) {
  domainCheck(!(std::fabs(x) <= extended::twoToPower63));
}

// sin x and cos x of a guarded x, each with its relative error bound: the
// kernel's plus the reduction's absolute error relative to the value.
// Forced inline, like the kernels: a call would return the pair through
// memory.
struct SinCos {
  DD s, c;
  double sEps, cEps;
};

[[gnu::always_inline]] inline SinCos sinCosOf(Float x) {
  const fast::TrigReduced t = fast::reduceTrig(std::fabs(x));
  SinCos v{};
  sinCosOf(t, v.s, v.c);
  if (std::signbit(x))
    v.s = fast::neg(v.s);
  v.sEps = sinCosEps + t.absError / std::fabs(v.s.hi);
  v.cEps = sinCosEps + t.absError / std::fabs(v.c.hi);
  return v;
}

// 1 - cos x. Near multiples of 2 pi, 1 - cos x cancels; sin^2 x / (1 +
// cos x) is the same quantity without the subtraction, and is used
// wherever cos x > 0 (elsewhere 1 - cos x >= 1 has no cancellation). The
// bound: the square doubles sin's, 1 + cos x adds at most cos's.
[[gnu::always_inline]] inline DD versineOf(const SinCos &v, double &eps) {
  if (v.c.hi > 0) {
    eps = 2 * v.sEps + v.cEps;
    return fast::div(fast::square(v.s), fast::addDouble(v.c, 1));
  }
  eps = v.cEps;
  return fast::addDouble(fast::neg(v.c), 1);
}

// The same in quad precision.
Quad versineOf(Quad x) {
  const Quad c = cosq(x);
  if (c > 0) {
    const Quad s = sinq(x);
    return s * s / (1 + c);
  }
  return 1 - c;
}

// --- sin ---------------------------------------------------------------------

// For |x| >= 2^-27, with the sign of x.
[[gnu::always_inline]] inline Bounded sinFast(Float x, Float ax) {
  const fast::TrigReduced t = fast::reduceTrig(ax);
  const DD s = sinOf(t);
  return {std::signbit(x) ? fast::neg(s) : s, sinCosEps, t.absError};
}

Quad sinAccurate(Float x) {
  return sinq(wide(x));
}

} // namespace

// Non-finite arguments have no sine: the invalid operation. Below 2^-26,
// x^3/6 is under a quarter ulp of x and sin x rounds to x.
Float Sin(Float x) {
  if (!std::isfinite(x))
    throw EInvalidOp();
  const Float ax = std::fabs(x);
  if (ax < 0x1p-26)
    return x;
  return decided(sinFast(x, ax), sinAccurate, x);
}

// --- cos ---------------------------------------------------------------------

namespace {
[[gnu::always_inline]] inline Bounded cosFast(Float ax) {
  const fast::TrigReduced t = fast::reduceTrig(ax);
  return {cosOf(t), sinCosEps, t.absError};
}

Quad cosAccurate(Float x) {
  return cosq(wide(x));
}
} // namespace

// Below 2^-27, 1 - cos x is under a quarter ulp of 1.
Float Cos(Float x) {
  if (!std::isfinite(x))
    throw EInvalidOp();
  const Float ax = std::fabs(x);
  if (ax < 0x1p-27)
    return 1;
  return decided(cosFast(ax), cosAccurate, x);
}

// --- tan ---------------------------------------------------------------------

namespace {
[[gnu::always_inline]] inline Bounded tanFast(Float x) {
  const SinCos v = sinCosOf(x);
  return {fast::div(v.s, v.c), v.sEps + v.cEps + slack, 0};
}

Quad tanAccurate(Float x) {
  return tanq(wide(x));
}
} // namespace

// Below 2^-27, x^3/3 is under a quarter ulp of x.
Float Tan(Float x) {
  guard(x);
  if (std::fabs(x) < 0x1p-27)
    return x;
  return decided(tanFast(x), tanAccurate, x);
}

// --- cot ---------------------------------------------------------------------

namespace {
[[gnu::always_inline]] inline Bounded cotFast(Float x) {
  const SinCos v = sinCosOf(x);
  return {fast::div(v.c, v.s), v.sEps + v.cEps + slack, 0};
}

Quad cotAccurate(Float x) {
  return cosq(wide(x)) / sinq(wide(x));
}
} // namespace

// tan x is 0 only at x = 0, where 1/tan x is the division by zero.
Float Cot(Float x) {
  guard(x);
  if (x == 0)
    throw EZeroDivide();
  Float out = 0;
  if (fast::reciprocalOfTiny(x, out))
    return out;
  return decided(cotFast(x), cotAccurate, x);
}

// --- sec ---------------------------------------------------------------------

namespace {
[[gnu::always_inline]] inline Bounded secFast(Float x) {
  const SinCos v = sinCosOf(x);
  return {fast::recip(v.c), v.cEps + slack, 0};
}

Quad secAccurate(Float x) {
  return 1 / cosq(wide(x));
}
} // namespace

// Below 2^-27, sec x = 1 + x^2/2 rounds to 1.
Float Sec(Float x) {
  guard(x);
  if (std::fabs(x) < 0x1p-27)
    return 1;
  return decided(secFast(x), secAccurate, x);
}

// --- csc ---------------------------------------------------------------------

namespace {
[[gnu::always_inline]] inline Bounded cscFast(Float x) {
  const SinCos v = sinCosOf(x);
  return {fast::recip(v.s), v.sEps + slack, 0};
}

Quad cscAccurate(Float x) {
  return 1 / sinq(wide(x));
}
} // namespace

// sin x is 0 only at x = 0, the domain error.
Float Csc(Float x) {
  guard(x);
  domainCheck(x == 0);
  Float out = 0;
  if (fast::reciprocalOfTiny(x, out))
    return out;
  return decided(cscFast(x), cscAccurate, x);
}

// --- coversine ---------------------------------------------------------------

namespace {
// 1 - sin x cancels near pi/2 + 2k pi; cos^2 x / (1 + sin x) does not.
[[gnu::always_inline]] inline Bounded coversineFast(Float x) {
  const SinCos v = sinCosOf(x);
  if (v.s.hi > 0)
    return {fast::div(fast::square(v.c), fast::addDouble(v.s, 1)),
            2 * v.cEps + v.sEps + slack, 0};
  return {fast::addDouble(fast::neg(v.s), 1), v.sEps + slack, 0};
}

Quad coversineAccurate(Float x) {
  const Quad s = sinq(wide(x));
  if (s > 0) {
    const Quad c = cosq(wide(x));
    return c * c / (1 + s);
  }
  return 1 - s;
}
} // namespace

Float Coversine(Float x) {
  guard(x);
  if (x == 0)
    return 1;
  return decided(coversineFast(x), coversineAccurate, x);
}

// --- exsecans ----------------------------------------------------------------

namespace {
// sec x - 1 = (1 - cos x) / cos x, which keeps small arguments exact; for
// cos x < 0, 1/cos x - 1 <= -2 does not cancel.
[[gnu::always_inline]] inline Bounded exsecansFast(Float x) {
  const SinCos v = sinCosOf(x);
  if (v.c.hi > 0) {
    double eps = 0;
    const DD versine = versineOf(v, eps);
    return {fast::div(versine, v.c), eps + v.cEps + slack, 0};
  }
  return {fast::addDouble(fast::recip(v.c), -1), v.cEps + slack, 0};
}

Quad exsecansAccurate(Float x) {
  const Quad c = cosq(wide(x));
  if (c > 0)
    return versineOf(wide(x)) / c;
  return 1 / c - 1;
}
} // namespace

Float Exsecans(Float x) {
  guard(x);
  if (x == 0)
    return 0;
  return decided(exsecansFast(x), exsecansAccurate, x);
}

// --- haversine ---------------------------------------------------------------

namespace {
[[gnu::always_inline]] inline Bounded haversineFast(Float x) {
  double eps = 0;
  const DD versine = versineOf(sinCosOf(x), eps);
  return {fast::scale(versine, 0.5), eps + slack, 0};
}

Quad haversineAccurate(Float x) {
  return versineOf(wide(x)) / 2;
}
} // namespace

Float Haversine(Float x) {
  guard(x);
  if (x == 0)
    return 0;
  return decided(haversineFast(x), haversineAccurate, x);
}

// --- versine -----------------------------------------------------------------

namespace {
[[gnu::always_inline]] inline Bounded versineFast(Float x) {
  double eps = 0;
  const DD versine = versineOf(sinCosOf(x), eps);
  return {versine, eps + slack, 0};
}

Quad versineAccurate(Float x) {
  return versineOf(wide(x));
}
} // namespace

Float Versine(Float x) {
  guard(x);
  if (x == 0)
    return 0;
  return decided(versineFast(x), versineAccurate, x);
}

} // namespace quorvex::math
