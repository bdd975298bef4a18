#include "exponential.h"

#include "extended.h"
#include "libquadmath.h"
#include "mathfuncerror.h"

#include "engine/errors.h"

#include <cmath>

// Each function below: its fast path (for e^x and ln x in exponential.h),
// returning a double-double with its error bound; its accurate path in
// quad precision; its entry point, which settles the arguments with a
// fixed answer and then lets the rounding decision choose between the two.
// Infinite and NaN arguments keep the extended-precision expressions that
// define their outcome (an error, or a limit value).

namespace quorvex::math {

using extended::finish;
using fast::Bounded;
using fast::DD;
using fast::decided;
using fast::slack;
using quad::Quad;
using quad::wide;

// --- exp ---------------------------------------------------------------------

namespace {
Quad expAccurate(Float x) {
  return expq(wide(x));
}
} // namespace

// e^x overflows beyond 709.79 and is below half the smallest subnormal
// (so 0) below -745.2; a NaN has no value. Below 2^-54 in magnitude e^x
// rounds to 1.
Float Exp(Float x) {
  if (!(std::fabs(x) < 745.5)) {
    if (std::isnan(x))
      throw EInvalidOp();
    if (x > 0)
      throw EOverflow();
    return 0;
  }
  if (std::fabs(x) < 0x1p-54)
    return 1;
  return decided(fast::expFast(x), expAccurate, x);
}

// --- ln ----------------------------------------------------------------------

namespace {
// logShort with its bound as a relative one.
Bounded lnFast(Float x) {
  const Bounded l = fast::logShort(x);
  return {l.v, fast::relativeBound(l), 0};
}

Quad lnAccurate(Float x) {
  return logq(wide(x));
}
} // namespace

// 0, negative, NaN and infinite arguments keep their extended-precision
// outcome (division by zero, invalid operation, overflow).
Float Ln(Float x) {
  if (!(x > 0) || std::isinf(x))
    return finish(extended::ln(x));
  if (x == 1)
    return 0;
  return decided(lnFast(x), lnAccurate, x);
}

// --- logbase10 ---------------------------------------------------------------

namespace {
// ln x times the double-double 1/ln 10: the logarithm's relative bound
// plus the product's 5u^2.
Bounded logBase10Fast(Float x) {
  const Bounded l = fast::logShort(x);
  return {fast::mul(l.v, fast::invLn10DD), fast::relativeBound(l) + slack, 0};
}

Quad logBase10Accurate(Float x) {
  return log10q(wide(x));
}
} // namespace

Float LogBase10(Float x) {
  domainCheck(!(x > 0));
  if (std::isinf(x))
    return finish(std::log10(static_cast<Float80>(x)));
  if (x == 1)
    return 0;
  return decided(logBase10Fast(x), logBase10Accurate, x);
}

// --- logbase2 ----------------------------------------------------------------

namespace {
constexpr double log2NearOneEps = 0x1.6ap-68;
constexpr double log2RelativeEps = 0x1p-66;

// log2 x = e + T2 + ln(1 + r)/ln 2 for a double x, with T2 = -log2 c
// (less 1 above sqrt 2) from log2Table, whose head on the 2^-42 grid makes
// e + head exact. The series is logShort's, with its error: below 2^-76.9
// + 2^-86.3 absolute, or 2^-68.7 relative to it where the table part
// vanishes; times 1/ln 2 < 1.443. The lead's head times 1/ln 2's head is
// an exact product; the lead's rest and the tail times that head, the
// head times 1/ln 2's tail, and adding the sum last round by under 2^-77.5
// in all (three u of the tail, 2^-71.2 of the value where the table part
// vanishes). So 2^-76 absolute, over |log2 x| >= 2^-9.47 relative
// 2^-66.6, or 2^-68 relative where x is within 2^-9 of 1
// (tools/math_bounds.py). The bound is relative only.
[[gnu::always_inline]] inline Bounded logBase2Fast(double x) {
  const fast::LogArgument a = fast::reduceLog(x);
  const fast::LogSeries series = fast::logSeries(a.r);
  const DD &t2 = fast::log2Table[a.entry - fast::logTable];
  const DD p = fast::twoProd(series.lead.hi, fast::invLn2DD.hi);
  const double low = (series.lead.lo + series.tail) * fast::invLn2DD.hi +
                     series.lead.hi * fast::invLn2DD.lo;
  const double table = a.e + t2.hi;
  const DD sum = fast::twoSum(table, p.hi);
  return {fast::fastTwoSum(sum.hi, (sum.lo + (p.lo + t2.lo)) + low),
          table == 0 ? log2NearOneEps : log2RelativeEps, 0};
}

Quad logBase2Accurate(Float x) {
  return log2q(wide(x));
}
} // namespace

Float LogBase2(Float x) {
  domainCheck(!(x > 0));
  if (std::isinf(x))
    return finish(std::log2(static_cast<Float80>(x)));
  if (x == 1)
    return 0;
  return decided(logBase2Fast(x), logBase2Accurate, x);
}

// --- logbasen ----------------------------------------------------------------

namespace {
// log_b x = ln x / ln b: both logarithms' logFastEps and the quotient's
// 16u^2.
Bounded logBaseNFast(Float base, Float x) {
  return {fast::div(fast::logFast(x).v, fast::logFast(base).v),
          2 * fast::logFastEps + slack, 0};
}

// Pairs of quads (some 226 bits) for the one place where 113 do not
// decide: ln x / ln b with x and b both next to 1, where the series'
// second-order terms can cancel exactly (ln(1 - 2^-52) / ln(1 + 2^-50) is
// within 2^-130 of a rounding boundary).
struct QuadPair {
  Quad hi, lo;
};

QuadPair twoSum(Quad a, Quad b) {
  const Quad s = a + b;
  const Quad bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

QuadPair add(QuadPair a, QuadPair b) {
  const QuadPair s = twoSum(a.hi, b.hi);
  return twoSum(s.hi, s.lo + a.lo + b.lo);
}

QuadPair mul(QuadPair a, QuadPair b) {
  const Quad p = a.hi * b.hi;
  const Quad e = fmaq(a.hi, b.hi, -p);
  return twoSum(p, e + a.hi * b.lo + a.lo * b.hi);
}

QuadPair divide(QuadPair a, QuadPair b) {
  const Quad q = a.hi / b.hi;
  const QuadPair r = add(a, mul(b, {-q, 0}));
  return twoSum(q, r.hi / b.hi);
}

// ln(1 + u) for |u| < 2^-20 (u exact in a quad): the series to u^12, next
// term below 2^-260 relative.
QuadPair log1pSeries(Quad u) {
  QuadPair sum{0, 0};
  for (int k = 12; k >= 1; --k) {
    const QuadPair term = divide({(k % 2 == 1) ? Quad(1) : Quad(-1), 0}, {Quad(k), 0});
    sum = mul(add(sum, term), {u, 0});
  }
  return sum;
}

Quad logBaseNAccurate(Float base, Float x) {
  const Quad u = wide(x) - 1;
  const Quad v = wide(base) - 1;
  if (quad::magnitude(u) < Quad(0x1p-20) && quad::magnitude(v) < Quad(0x1p-20) &&
      u != 0) {
    const QuadPair r = divide(log1pSeries(u), log1pSeries(v));
    // The double nearest hi + lo: hi's rounding, moved one step when lo
    // carries the value across the midpoint beside it (a transcendental
    // value never lies on one).
    const auto d = static_cast<Float>(r.hi);
    const Quad rest = (r.hi - wide(d)) + r.lo;
    const Float up = std::nextafter(d, HUGE_VAL);
    const Float down = std::nextafter(d, -HUGE_VAL);
    if (rest > (wide(up) - wide(d)) / 2)
      return wide(up);
    if (rest < (wide(down) - wide(d)) / 2)
      return wide(down);
    return wide(d);
  }
  return logq(wide(x)) / logq(wide(base));
}
} // namespace

// log_b 1 = ln 1 / ln b is 0 with the sign of ln b.
Float LogBaseN(Float base, Float x) {
  domainCheck(!(x > 0) || !(base > 0) || base == 1);
  if (std::isinf(x) || std::isinf(base))
    return finish(std::log2(static_cast<Float80>(x)) /
                  std::log2(static_cast<Float80>(base)));
  if (x == 1)
    return base > 1 ? 0.0 : -0.0;
  return decided(logBaseNFast(base, x), logBaseNAccurate, base, x);
}

} // namespace quorvex::math
