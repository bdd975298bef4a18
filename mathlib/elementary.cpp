#include "elementary.h"

#include "extended.h"
#include "kernels.h"
#include "mathfuncerror.h"
#include "routinesupport.h"
#include "tables.h"

#include "engine/errors.h"

#include <cmath>
#include <utility>

// Every routine here first computes its result as a double-double with a
// proven error bound and returns at once when the bound decides the
// rounding to double; otherwise (rarely) it takes the quad path of
// quadprecision.cpp. Either way the result is the correctly rounded value
// wherever a test can tell. Infinite and NaN arguments keep the extended-
// precision expressions that defined their outcome (an error, or a limit
// value) before the fast paths existed.

namespace quorvex::math {

using extended::Finish;
using fast::Checked;
using fast::DD;
using fast::Slack;

namespace {

// sin and cos of |x| >= 2^-27, decided or taken in quad.
Float sinOfMagnitude(Float x, Float ax) {
  const fast::TrigReduced t = fast::ReduceTrig(ax);
  const DD s = fast::SinOf(t);
  Float out = 0;
  if (fast::RoundsTo(s, fast::SinCosEps, t.absError, out))
    return std::signbit(x) ? -out : out;
  return quad::Round(quad::Sin(x));
}

} // namespace

// Non-finite arguments have no sine: the invalid operation, as always.
// Below 2^-26, x^3/6 is under a quarter ulp of x and sin x rounds to x.
Float Sin(Float x) {
  if (!std::isfinite(x))
    throw EInvalidOp();
  const Float ax = std::fabs(x);
  if (ax < 0x1p-26)
    return x;
  return sinOfMagnitude(x, ax);
}

// Below 2^-27, 1 - cos x is under a quarter ulp of 1.
Float Cos(Float x) {
  if (!std::isfinite(x))
    throw EInvalidOp();
  const Float ax = std::fabs(x);
  if (ax < 0x1p-27)
    return 1;
  const fast::TrigReduced t = fast::ReduceTrig(ax);
  const DD c = fast::CosOf(t);
  Float out = 0;
  if (fast::RoundsTo(c, fast::SinCosEps, t.absError, out))
    return out;
  return quad::Round(quad::Cos(x));
}

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
  const fast::ExpScaled e = fast::ExpFast(x);
  Float out = 0;
  if (fast::RoundsScaled(e.m, fast::ExpFastEps, e.k, out))
    return Checked(out);
  return quad::Round(quad::Exp(x));
}

// 0, negative, NaN and infinite arguments keep their extended-precision
// outcome (division by zero, invalid operation, overflow).
Float Ln(Float x) {
  if (!(x > 0) || std::isinf(x))
    return Finish(extended::Ln(x));
  if (x == 1)
    return 0;
  const fast::BoundedLog l = fast::LogShort(x);
  Float out = 0;
  if (fast::RoundsTo(l.v, fast::RelativeBound(l), out))
    return out;
  return quad::Round(quad::Ln(x));
}

// The double product and square root are correctly rounded; forming them in
// extended first would round twice and now and then miss by one unit. An
// infinite square is the overflow error and a NaN the invalid operation,
// as Finish gave them.
Float Square(Float x) {
  const Float square = x * x;
  if (std::isnan(square))
    throw EInvalidOp();
  return Checked(square);
}

Float Sqrt(Float x) {
  if (x < 0)
    throw EInvalidOp();
  return std::sqrt(x);
}

Float Abs(Float x) { return std::fabs(x); }

namespace {
// ln x times the double-double 1/ln 10: the logarithm's relative bound
// plus the product's 5u^2.
Float scaledLog(Float x, const DD &inverseLogOfBase, __float128 (*slow)(Float)) {
  const fast::BoundedLog l = fast::LogShort(x);
  const DD v = fast::Mul(l.v, inverseLogOfBase);
  Float out = 0;
  if (fast::RoundsTo(v, fast::RelativeBound(l) + Slack, out))
    return out;
  return quad::Round(slow(x));
}
} // namespace

Float LogBase10(Float x) {
  DomainCheck(!(x > 0));
  if (std::isinf(x))
    return Finish(std::log10(static_cast<Float80>(x)));
  if (x == 1)
    return 0;
  return scaledLog(x, fast::InvLn10DD, quad::LogBase10);
}

Float LogBase2(Float x) {
  DomainCheck(!(x > 0));
  if (std::isinf(x))
    return Finish(std::log2(static_cast<Float80>(x)));
  if (x == 1)
    return 0;
  const fast::BoundedLog l = fast::Log2Short(x);
  Float out = 0;
  if (fast::RoundsTo(l.v, l.eps, out))
    return out;
  return quad::Round(quad::LogBase2(x));
}

// log_b x = ln x / ln b: both logarithms' LogFastEps and the quotient's
// 16u^2.
// log_b 1 is 0 with the sign of 1/ln b, as the extended quotient gave.
Float LogBaseN(Float base, Float x) {
  DomainCheck(!(x > 0) || !(base > 0) || base == 1);
  if (std::isinf(x) || std::isinf(base))
    return Finish(std::log2(static_cast<Float80>(x)) / std::log2(static_cast<Float80>(base)));
  if (x == 1)
    return base > 1 ? 0.0 : -0.0;
  const DD v = fast::Div(fast::LogFast(x), fast::LogFast(base));
  Float out = 0;
  if (fast::RoundsTo(v, 2 * fast::LogFastEps + Slack, out))
    return out;
  return quad::Round(quad::LogBaseN(base, x));
}

namespace {

// e^y for y = z ln|x| with ln|x| within eps |ln|x|| + abs: y is then off
// by |y| eps + |z| abs (and the product's 2u^2 |y|), which is the relative
// error it passes to e^y, on top of ExpFastEps. y is left unnormalized,
// its low part within 1.5 ulp(y.hi), as the fast exp allows.
[[gnu::always_inline]] inline bool decidedPower(const DD &log, double eps, double abs, Float z,
                                                Float &out) {
  const DD p = fast::TwoProd(log.hi, z);
  const double low = p.lo + log.lo * z;
  const fast::ExpScaled e = fast::ExpFast(p.hi, low);
  const double bound = fast::ExpFastEps + Slack + std::fabs(p.hi) * eps + std::fabs(z) * abs;
  return fast::RoundsScaled(e.m, bound, e.k, out);
}

// Where the cheap logarithm's absolute error, times a large z, does not
// decide the power, the logarithm exact through its cubic term may; the
// quad path is last.
[[gnu::noinline]] Float accuratePower(Float x, Float z) {
  Float out = 0;
  if (decidedPower(fast::LogFast(std::fabs(x)), fast::LogFastEps, 0, z, out))
    return Checked(out);
  return quad::Round(quad::MagnitudePower(x, z));
}

// |x|^z = e^(z ln|x|) for finite x != 0 and finite z. |y| > 745.5 is
// beyond the double range either way: an overflow above, 0 below. So is
// the case where z ln|x| itself overflows.
Float magnitudePower(Float x, Float z) {
  if (!std::isfinite(x) || !std::isfinite(z)) [[unlikely]]
    return Finish(std::pow(std::fabs(static_cast<Float80>(x)), static_cast<Float80>(z)));
  const fast::BoundedLog log = fast::LogShort(std::fabs(x));
  const double estimate = z * log.v.hi;
  if (!(std::fabs(estimate) <= 745.5)) [[unlikely]] {
    if (estimate > 0)
      throw EOverflow();
    return 0;
  }
  // Within 2^-60 of 0, e^y is within 2^-59 of 1 and rounds to it.
  if (std::fabs(estimate) < 0x1p-60) [[unlikely]]
    return 1;
  Float out = 0;
  if (decidedPower(log.v, log.eps, log.abs, z, out)) [[likely]]
    return Checked(out);
  return accuratePower(x, z);
}

// z is a whole number here; odd when its floored remainder by 2 is +-1.
bool isOdd(Float z) {
  const Float80 half = static_cast<Float80>(z) / 2;
  Float80 floored = std::trunc(half);
  if (half - floored < 0)
    floored -= 1;
  const long long m = std::llrint(static_cast<Float80>(z) - 2 * floored);
  return m == 1 || m == -1;
}
} // namespace

// The rules apply in this order, so power(0;0) and power(1;1e308) are 1
// before any logarithm is taken.
Float Power(Float x, Float z) {
  if (z == 0 || x == 1)
    return 1;
  if (x == 0) {
    if (z > 0)
      return 0;
    throw EMathFuncError(EMathFuncError::Reason::PowerInfinite);
  }
  if (x > 0)
    return magnitudePower(x, z);
  if (z - std::trunc(z) != 0)
    throw EMathFuncError(EMathFuncError::Reason::PowerComplex);
  const Float r = magnitudePower(x, z);
  return isOdd(z) ? -r : r;
}

namespace {
// Scaling by the larger magnitude keeps the square in range, so only a
// result that itself exceeds the double range overflows.
Float extendedPythag(Float h, Float v) {
  const Float80 a = std::fabs(static_cast<Float80>(h));
  const Float80 b = std::fabs(static_cast<Float80>(v));
  if (b < a) {
    const Float80 q = b / a;
    return Finish(a * std::sqrt(q * q + 1));
  }
  if (b == 0)
    return 0;
  const Float80 q = a / b;
  return Finish(b * std::sqrt(q * q + 1));
}
} // namespace

// With a >= b > 0 scaled by 2^-e into [1, 2), a^2 + b^2 is an exact
// double-double sum of exact squares (to 3u^2) and its root is good to a
// few u^2. When b < 2^-60 a, the root exceeds a by under 2^-121 a and
// rounds to a.
Float Pythag(Float h, Float v) {
  if (!std::isfinite(h) || !std::isfinite(v))
    return extendedPythag(h, v);
  Float a = std::fabs(h);
  Float b = std::fabs(v);
  if (a < b)
    std::swap(a, b);
  if (b == 0 || b < a * 0x1p-60)
    return a;
  // Within [2^-400, 2^400] the squares need no scaling.
  const int e = a >= 0x1p-400 && a <= 0x1p400 ? 0 : std::ilogb(a);
  const Float sa = e == 0 ? a : std::ldexp(a, -e);
  const Float sb = e == 0 ? b : std::ldexp(b, -e);
  const DD root = fast::Sqrt(fast::Add(fast::TwoProd(sa, sa), fast::TwoProd(sb, sb)));
  Float out = 0;
  if (fast::RoundsScaled(root, Slack, e, out))
    return Checked(out);
  return quad::Round(quad::Pythag(h, v));
}

} // namespace quorvex::math
