#include "hyperbolic.h"

#include "extended.h"
#include "kernels.h"
#include "mathfuncerror.h"
#include "routinesupport.h"
#include "tables.h"

#include <cmath>

// The fast double-double paths with their rounding test, and the quad path
// behind them, as described in elementary.cpp. All of them are built from
// the exp, expm1, ln and ln(1 + u) kernels.

namespace quorvex::math {

using extended::Divide;
using extended::Finish;
using fast::Checked;
using fast::DD;
using fast::Slack;

namespace {

Float80 signOf(Float x) { return std::signbit(x) ? -1.0L : 1.0L; }

DD withSign(Float x, const DD &v) { return std::signbit(x) ? fast::Neg(v) : v; }

Float decided(const DD &v, double eps, Float x, __float128 (*slow)(Float)) {
  Float out = 0;
  if (fast::RoundsTo(v, eps + Slack, out))
    return Checked(out);
  return quad::Round(slow(x));
}

Float decidedScaled(const DD &m, double eps, int k, Float x, __float128 (*slow)(Float)) {
  Float out = 0;
  if (fast::RoundsScaled(m, eps + Slack, k, out))
    return Checked(out);
  return quad::Round(slow(x));
}

// Beyond these the results leave the double range (cosh, sinh) or round
// to +-1 (tanh, coth: 1 - tanh a < 2 e^-2a < 2^-60).
constexpr Float HugeStart = 711;
constexpr Float SaturationStart = 22;
// Beyond this |x|, e^-2|x| is below 2^-184, so csch and sech are 2 e^-|x|
// to far better than the rounding test needs.
constexpr Float TailStart = 64;

// e^a = m 2^k for 0 <= a <= 711.
struct Scaled {
  DD m;
  int k;
};

Scaled expOf(Float a) {
  const fast::ExpScaled e = fast::ExpFast(a);
  return {e.m, e.k};
}

using fast::powerOfTwo;

// cosh a = 2^(k-1) (m + 2^-2k/m); the two terms have the same sign, so
// the bound is ExpFastEps. For k >= 60 the second is below 2^-120 of the first.
Scaled coshOf(Float a) {
  const Scaled e = expOf(a);
  if (e.k >= 60)
    return {e.m, e.k - 1};
  const DD inverse = fast::Div({1, 0}, e.m);
  return {fast::AddSameSign(e.m, fast::Scale(inverse, powerOfTwo(-2 * e.k))), e.k - 1};
}

// sinh a for 2^-26 <= a <= 711. Below 1/2, (m + m/(m + 1))/2 with
// m = e^a - 1 has no cancellation (Expm1Eps); above, 2^(k-1) (m - 2^-2k/m)
// cancels by at most coth(1/2) < 2.17 (three times ExpFastEps covers it).
struct SinhValue {
  Scaled v;
  double eps;
};

SinhValue sinhOf(Float a) {
  if (a < 0.5) {
    const DD m = fast::Expm1(a);
    const DD v = fast::AddSameSign(m, fast::Div(m, fast::AddDouble(m, 1)));
    return {{fast::Scale(v, 0.5), 0}, fast::Expm1Eps};
  }
  const Scaled e = expOf(a);
  if (e.k >= 60)
    return {{e.m, e.k - 1}, fast::ExpFastEps};
  const DD v = fast::Sub(e.m, fast::Scale(fast::Div({1, 0}, e.m), powerOfTwo(-2 * e.k)));
  return {{v, e.k - 1}, 3 * fast::ExpFastEps};
}

// tanh a = -m/(m + 2) with m = e^-2a - 1 in (-1, 0): m's error enters
// the quotient at most twice.
DD tanhOf(Float a) {
  const DD m = fast::Expm1(-2 * a);
  return fast::Div(fast::Neg(m), fast::AddDouble(m, 2));
}
constexpr double TanhEps = 2 * fast::Expm1Eps;

// 2 e^-a for a > TailStart: a double-double times 2^(k+1).
Float twiceExpOfMinus(Float x, Float a, __float128 (*slow)(Float)) {
  if (a > 746)
    return std::signbit(x) ? -0.0 : 0.0;
  const fast::ExpScaled e = fast::ExpFast(-a);
  return decidedScaled(withSign(x, e.m), fast::ExpFastEps, e.k + 1, x, slow);
}

// Below 2^-500, 1/x and 1/x + c x (any small c) round alike; see Cot.
bool reciprocalOfTiny(Float x, Float &out) {
  if (std::fabs(x) >= 0x1p-500)
    return false;
  out = Checked(1 / x);
  return true;
}

} // namespace

// A NaN has no value; infinities overflow. Below 2^-26, cosh rounds to 1.
Float Cosh(Float x) {
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a > HugeStart)
    throw EOverflow();
  if (a < 0x1p-26)
    return 1;
  const Scaled c = coshOf(a);
  return decidedScaled(c.m, fast::ExpFastEps, c.k, x, quad::Cosh);
}

// Below 2^-26, sinh x rounds to x.
Float Sinh(Float x) {
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a > HugeStart)
    throw EOverflow();
  if (a < 0x1p-26)
    return x;
  const SinhValue s = sinhOf(a);
  return decidedScaled(withSign(x, s.v.m), s.eps, s.v.k, x, quad::Sinh);
}

// Below 2^-27, tanh x rounds to x.
Float Tanh(Float x) {
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a > SaturationStart)
    return std::signbit(x) ? -1 : 1;
  if (a < 0x1p-27)
    return x;
  return decided(withSign(x, tanhOf(a)), TanhEps, x, quad::Tanh);
}

// tanh x is 0 only at x = 0: the division by zero. coth = (m + 2)/(-m);
// below 2^-27 it is 1/x + x/3 to 2^-108.
Float Coth(Float x) {
  if (std::isnan(x) || x == 0)
    return Finish(Divide(1, std::tanh(static_cast<Float80>(x))));
  const Float a = std::fabs(x);
  if (a > SaturationStart)
    return std::signbit(x) ? -1 : 1;
  Float out = 0;
  if (reciprocalOfTiny(x, out))
    return out;
  if (a < 0x1p-27)
    return decided(fast::AddDouble(fast::Recip({x, 0}), x / 3), 0, x, quad::Coth);
  const DD m = fast::Expm1(-2 * a);
  const DD v = fast::Div(fast::AddDouble(m, 2), fast::Neg(m));
  return decided(withSign(x, v), TanhEps, x, quad::Coth);
}

// csch and sech of large |x| are the tiny 2 e^-|x| (quietly 0 far out), not
// an overflow of e^|x|. A NaN has no value.
Float Csch(Float x) {
  DomainCheck(x == 0);
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a > TailStart)
    return twiceExpOfMinus(x, a, quad::Csch);
  Float out = 0;
  if (reciprocalOfTiny(x, out))
    return out;
  if (a < 0x1p-27)
    return decided(fast::AddDouble(fast::Recip({x, 0}), -x / 6), 0, x, quad::Csch);
  const SinhValue s = sinhOf(a);
  const DD v = fast::Scale(fast::Div({1, 0}, s.v.m), powerOfTwo(-s.v.k));
  return decided(withSign(x, v), s.eps, x, quad::Csch);
}

// Below 2^-27, sech rounds to 1.
Float Sech(Float x) {
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a > TailStart)
    return twiceExpOfMinus(std::fabs(x), a, quad::Sech);
  if (a < 0x1p-27)
    return 1;
  const Scaled c = coshOf(a);
  return decided(fast::Scale(fast::Div({1, 0}, c.m), powerOfTwo(-c.k)), fast::ExpFastEps, x,
                 quad::Sech);
}

// Odd: arcsinh(-x) = -arcsinh(x), so large negative arguments do not
// cancel. Small ones use ln(1 + u) with u = a + a^2 / (1 + sqrt(a^2 + 1)),
// the middle ones ln(a + sqrt(a^2 + 1)), and beyond 2^27 ln a + ln 2 +
// 1/(4a^2) (the next term is 2^-110 relative). Below 2^-26 it rounds to x.
// A NaN has no value, infinities overflow.
Float ArcSinh(Float x) {
  if (!std::isfinite(x)) {
    if (std::isnan(x))
      throw EInvalidOp();
    throw EOverflow();
  }
  const Float a = std::fabs(x);
  if (a < 0x1p-26)
    return x;
  if (a < 2) {
    const DD square = fast::TwoProd(a, a);
    const DD root = fast::Sqrt(fast::AddDouble(square, 1));
    const DD u = fast::AddDouble(fast::Div(square, fast::AddDouble(root, 1)), a);
    return decided(withSign(x, fast::Log1p(u)), fast::Log1pEps, x, quad::ArcSinh);
  }
  if (a < 0x1p27) {
    const DD root = fast::Sqrt(fast::AddDouble(fast::TwoProd(a, a), 1));
    return decided(withSign(x, fast::LogDD(fast::AddDouble(root, a))), fast::LogDDEps, x,
                   quad::ArcSinh);
  }
  const DD v = fast::AddDouble(fast::Add(fast::LogFast(a), fast::Ln2DD), 0.25 / a / a);
  return decided(withSign(x, v), fast::LogFastEps, x, quad::ArcSinh);
}

// Near 1, ln(x + sqrt(x^2 - 1)) is taken as ln(1 + u) with the exact t = x - 1;
// beyond 2^27 as ln x + ln 2 - 1/(4x^2). NaN has no value, infinity
// overflows.
Float ArcCosh(Float x) {
  DomainCheck(x < 1);
  if (!std::isfinite(x)) {
    if (std::isnan(x))
      throw EInvalidOp();
    throw EOverflow();
  }
  if (x == 1)
    return 0;
  if (x < 2) {
    const Float t = x - 1;
    const DD root = fast::Sqrt(fast::MulDouble(fast::TwoSum(x, 1), t));
    return decided(fast::Log1p(fast::AddDouble(root, t)), fast::Log1pEps, x, quad::ArcCosh);
  }
  if (x < 0x1p27) {
    const DD root = fast::Sqrt(fast::AddDouble(fast::TwoProd(x, x), -1));
    return decided(fast::LogDD(fast::AddDouble(root, x)), fast::LogDDEps, x, quad::ArcCosh);
  }
  const DD v = fast::AddDouble(fast::Add(fast::LogFast(x), fast::Ln2DD), -0.25 / x / x);
  return decided(v, fast::LogFastEps, x, quad::ArcCosh);
}

namespace {
// 1 - a as a double-double: exact for a >= 1/2, an exact sum below.
DD oneMinus(Float a) { return a >= 0.5 ? DD{1 - a, 0} : fast::TwoSum(1, -a); }
} // namespace

// ln(sqrt((1 + x)/(1 - x))) = ln(1 + 2a/(1 - a)) / 2 for a = |x|, odd.
// Below 2^-27 it rounds to x. A NaN passes the domain check and has no
// value.
Float ArcTanh(Float x) {
  DomainCheck(std::fabs(x) >= 1);
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a < 0x1p-27)
    return x;
  const DD u = fast::Div({2 * a, 0}, oneMinus(a));
  return decided(withSign(x, fast::Scale(fast::Log1p(u), 0.5)), fast::Log1pEps, x,
                 quad::ArcTanh);
}

// (x + 1)/(x - 1) = 1 + 2/(x - 1); for |x| < 1 that is negative and its
// logarithm the invalid operation. Infinities give +-0 and NaN has no
// value, as before. Beyond 2^60 arccoth x = 1/x + 1/(3x^3) rounds to 1/x.
Float ArcCoth(Float x) {
  DomainCheck(std::fabs(x) == 1);
  const Float80 w = x;
  if (std::fabs(w) < 1)
    return Finish(0.5L * extended::Ln(Divide(w + 1, w - 1)));
  if (!std::isfinite(x))
    return Finish(signOf(x) * 0.5L * std::log1p(2 / (std::fabs(w) - 1)));
  const Float a = std::fabs(x);
  if (a > 0x1p60)
    return 1 / x;
  const DD d = a <= 2 ? DD{a - 1, 0} : fast::TwoSum(a, -1);
  const DD u = fast::Div({2, 0}, d);
  return decided(withSign(x, fast::Scale(fast::Log1p(u), 0.5)), fast::Log1pEps, x,
                 quad::ArcCoth);
}

// ln((1 + sqrt(1 - x^2)) / x) = ln(1 + ((1 - x) + sqrt(1 - x^2)) / x) for
// 0 < x <= 1; below 2^-30 it is ln 2 - ln x - x^2/4 (next term 2^-123).
// x = 0 is the division by zero; negative x give a negative quotient and
// so the invalid operation; a NaN has no value.
Float ArcSech(Float x) {
  DomainCheck(std::fabs(x) > 1);
  const Float80 w = x;
  if (w <= 0)
    return Finish(extended::Ln(Divide(1 + std::sqrt((1 - w) * (1 + w)), w)));
  if (std::isnan(x))
    throw EInvalidOp();
  if (x == 1)
    return 0;
  if (x < 0x1p-30) {
    const DD v = fast::AddDouble(fast::Sub(fast::Ln2DD, fast::LogFast(x)), -0.25 * x * x);
    return decided(v, fast::LogFastEps, x, quad::ArcSech);
  }
  const DD onePlus = fast::TwoSum(1, x);
  const DD oneMinusX = oneMinus(x);
  const DD root = fast::Sqrt(fast::Mul(onePlus, oneMinusX));
  const DD u = fast::Div(fast::Add(oneMinusX, root), {x, 0});
  return decided(fast::Log1p(u), fast::Log1pEps, x, quad::ArcSech);
}

// Odd. With a = |x|: ln((1 + sqrt(a^2 + 1)) / a) = ln(1 + u) where
// u = (1 + 1/(sqrt(a^2 + 1) + a)) / a, which stays accurate for large a.
// Below 2^-30 it is ln 2 - ln a + a^2/4; from 2^27, v - v^3/6 with v = 1/a
// (next term 2^-107 relative), and beyond 2^60 it rounds to 1/x.
// Infinities give +-0 and NaN has no value.
Float ArcCsch(Float x) {
  DomainCheck(x == 0);
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a > 0x1p60)
    return 1 / x;
  if (a < 0x1p-30) {
    const DD v = fast::AddDouble(fast::Sub(fast::Ln2DD, fast::LogFast(a)), 0.25 * a * a);
    return decided(withSign(x, v), fast::LogFastEps, x, quad::ArcCsch);
  }
  if (a >= 0x1p27) {
    const DD v = fast::Recip({a, 0});
    return decided(withSign(x, fast::AddDouble(v, -v.hi * v.hi * v.hi / 6)), 0, x,
                   quad::ArcCsch);
  }
  const DD root = fast::Sqrt(fast::AddDouble(fast::TwoProd(a, a), 1));
  const DD inner = fast::AddDouble(fast::Recip(fast::AddDouble(root, a)), 1);
  const DD u = fast::Div(inner, {a, 0});
  return decided(withSign(x, fast::Log1p(u)), fast::Log1pEps, x, quad::ArcCsch);
}

} // namespace quorvex::math
