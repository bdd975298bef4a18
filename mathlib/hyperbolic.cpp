#include "hyperbolic.h"

#include "extended.h"
#include "kernels.h"
#include "mathfuncerror.h"
#include "routinesupport.h"
#include "tables.h"

#include <cmath>

// The fast double-double paths with their rounding test, and the quad path
// behind them, as described in elementary.cpp. They are built from the exp
// (of one sign or both), ln and ln(1 + u) kernels, and for small arguments
// from tables of Taylor polynomials.

namespace quorvex::math {

using extended::Divide;
using extended::Finish;
using fast::Checked;
using fast::Decided;
using fast::DecidedScaled;
using fast::DD;
using fast::Slack;

namespace {

Float80 signOf(Float x) { return std::signbit(x) ? -1.0L : 1.0L; }

DD withSign(Float x, const DD &v) { return std::signbit(x) ? fast::Neg(v) : v; }

// Beyond these the results leave the double range (cosh, sinh) or round
// to +-1 (tanh, coth: 1 - tanh a < 2 e^-2a < 2^-60).
constexpr Float HugeStart = 711;
constexpr Float SaturationStart = 22;
// Beyond this |x|, e^-2|x| is below 2^-184, so csch and sech are 2 e^-|x|
// to far better than the rounding test needs.
constexpr Float TailStart = 64;

// m 2^k.
struct Scaled {
  DD m;
  int k;
};

using fast::powerOfTwo;

// m 2^k within eps of the value, relative.
struct BoundedScaled {
  Scaled v;
  double eps;
};

// cosh a for 2^-27 <= a <= 711. Below 1 the table polynomial: one table
// entry instead of two exponentials. Above, cosh a = 2^(k-1) (p + q 2^-2k)
// for e^a = p 2^k and e^-a = q 2^-k; the two terms have the same sign, so
// the bound is ExpFastEps. For k >= 60 the second is below 2^-118 of the
// first.
[[gnu::always_inline]] inline BoundedScaled coshOf(Float a) {
  if (a < 1)
    return {{fast::TaylorValue(fast::CoshTaylorTable, a), 0}, fast::CoshTaylorEps};
  const fast::ExpPair e = fast::ExpBoth(a);
  if (e.k >= 60)
    return {{fast::FastTwoSum(e.plusHead, e.plusRest), e.k - 1}, fast::ExpFastEps};
  return {{fast::PairSum(e, 1), e.k - 1}, fast::ExpFastEps};
}

// sinh a for 2^-26 <= a <= 711. Below 1/2 the table polynomial; above,
// 2^(k-1) (p - q 2^-2k) cancels by at most coth(1/2) < 2.17 (three times
// ExpFastEps covers it).
[[gnu::always_inline]] inline BoundedScaled sinhOf(Float a) {
  if (a < 0.5)
    return {{fast::TaylorValue(fast::SinhTaylorTable, a), 0}, fast::SinhTaylorEps};
  const fast::ExpPair e = fast::ExpBoth(a);
  if (e.k >= 60)
    return {{fast::FastTwoSum(e.plusHead, e.plusRest), e.k - 1}, fast::ExpFastEps};
  return {{fast::PairSum(e, -1), e.k - 1}, 3 * fast::ExpFastEps};
}

// From ln(3)/2 on tanh a >= 1/2, and tanh a = 1 - 2/(e^2a + 1) and coth a
// = 1 + 2/(e^2a - 1) cancel little: the quotient q is at most 1/2 and so
// at most 1 - q; e^2a - 1 is at least 2/3 of e^2a. Below, tanh is the
// table polynomial, and coth its reciprocal (2^-104 more).
constexpr Float QuotientStart = 0.5493061443340549; // just above ln(3)/2

DD tanhOf(Float a, double &eps) {
  if (a >= QuotientStart) {
    const fast::ExpScaled e = fast::ExpFast(2 * a);
    const DD sum = fast::AddDouble(fast::Scale(e.m, powerOfTwo(e.k)), 1);
    eps = fast::ExpFastEps;
    return fast::AddDouble(fast::Neg(fast::Div({2, 0}, sum)), 1);
  }
  eps = fast::TanhTaylorEps;
  return fast::TaylorValue(fast::TanhTaylorTable, a);
}

DD cothOf(Float a, double &eps) {
  if (a >= QuotientStart) {
    const fast::ExpScaled e = fast::ExpFast(2 * a);
    const DD difference = fast::AddDouble(fast::Scale(e.m, powerOfTwo(e.k)), -1);
    eps = 1.5 * fast::ExpFastEps;
    return fast::AddDouble(fast::Div({2, 0}, difference), 1);
  }
  eps = fast::TanhTaylorEps;
  return fast::Recip(fast::TaylorValue(fast::TanhTaylorTable, a));
}

// 2 e^-a for a > TailStart: a double-double times 2^(k+1).
Float twiceExpOfMinus(Float x, Float a, __float128 (*slow)(Float)) {
  if (a > 746)
    return std::signbit(x) ? -0.0 : 0.0;
  const fast::ExpScaled e = fast::ExpFast(-a);
  return DecidedScaled(withSign(x, e.m), fast::ExpFastEps, e.k + 1, x, slow);
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
  const BoundedScaled c = coshOf(a);
  return DecidedScaled(c.v.m, c.eps, c.v.k, x, quad::Cosh);
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
  const BoundedScaled s = sinhOf(a);
  return DecidedScaled(withSign(x, s.v.m), s.eps, s.v.k, x, quad::Sinh);
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
  double eps = 0;
  const DD v = tanhOf(a, eps);
  return Decided(withSign(x, v), eps, x, quad::Tanh);
}

// tanh x is 0 only at x = 0: the division by zero. Below 2^-27 coth x
// is 1/x + x/3 to 2^-108.
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
    return Decided(fast::AddDouble(fast::Recip({x, 0}), x / 3), 0, x, quad::Coth);
  double eps = 0;
  const DD v = cothOf(a, eps);
  return Decided(withSign(x, v), eps, x, quad::Coth);
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
    return Decided(fast::AddDouble(fast::Recip({x, 0}), -x / 6), 0, x, quad::Csch);
  const BoundedScaled s = sinhOf(a);
  const DD v = fast::Scale(fast::Div({1, 0}, s.v.m), powerOfTwo(-s.v.k));
  return Decided(withSign(x, v), s.eps, x, quad::Csch);
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
  const BoundedScaled c = coshOf(a);
  return Decided(fast::Scale(fast::Div({1, 0}, c.v.m), powerOfTwo(-c.v.k)), c.eps, x, quad::Sech);
}

namespace {
// The logarithms below take double-double arguments w >= 1 + 2^-26
// formed to 2^-102 of w: that much absolutely in ln w, relative to ln w >
// 2^-26.1 below 2^-75.
constexpr double ArgumentEps = 0x1p-75;

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
  const DD square = fast::TwoProd(s, s);
  const double correction = (((d.hi - square.hi) - square.lo) + d.lo) / (2 * s);
  const DD sum = fast::TwoSum(s, b);
  return {sum.hi, sum.lo + correction};
}

// ln w with the sign of x.
Float decidedLog(const DD &w, Float x, __float128 (*slow)(Float)) {
  const fast::BoundedLog l = fast::LogShort(w);
  return Decided(withSign(x, l.v), fast::RelativeBound(l) + ArgumentEps, x, slow);
}

// ln a + ln 2 + c/a^2 for a >= 2^27, where the next term of the series is
// 2^-110 relative: ln a >= 18.7, so the log's bound is relative.
Float decidedLargeLog(Float a, double c, Float x, __float128 (*slow)(Float)) {
  const fast::BoundedLog l = fast::LogShort(a);
  const DD v = fast::AddDouble(fast::Add(l.v, fast::Ln2DD), c / a / a);
  return Decided(withSign(x, v), fast::RelativeBound(l), x, slow);
}
} // namespace

// Odd: arcsinh(-x) = -arcsinh(x), so large negative arguments do not
// cancel. ln(a + sqrt(a^2 + 1)) with the sum a double-double: TwoProd's
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
    const DD square = fast::AddDouble(fast::TwoProd(a, a), 1);
    return decidedLog(plusRoot(a, fast::MulAdd(a, a, 1), square), x, quad::ArcSinh);
  }
  return decidedLargeLog(a, 0.25, x, quad::ArcSinh);
}

// ln(x + sqrt(x^2 - 1)), the radicand (x + 1)(x - 1) with the exact t =
// x - 1 up to 2 and x^2 - 1 beyond, both to a few u^2; x + the root is at
// least 1 + sqrt(2t) >= 1 + 2^-25.5. Beyond 2^27, ln x + ln 2 - 1/(4x^2).
// NaN has no value, infinity overflows.
Float ArcCosh(Float x) {
  DomainCheck(x < 1);
  if (!std::isfinite(x)) {
    if (std::isnan(x))
      throw EInvalidOp();
    throw EOverflow();
  }
  if (x == 1)
    return 0;
  if (x < 0x1p27) {
    const DD square = x < 2 ? fast::MulDouble(fast::TwoSum(x, 1), x - 1)
                            : fast::AddDouble(fast::TwoProd(x, x), -1);
    const double rough = x < 2 ? (x + 1) * (x - 1) : fast::MulAdd(x, x, -1);
    return decidedLog(plusRoot(x, rough, square), x, quad::ArcCosh);
  }
  return decidedLargeLog(x, -0.25, x, quad::ArcCosh);
}

namespace {
// 1 - a as a double-double: exact for a >= 1/2, an exact sum below.
DD oneMinus(Float a) { return a >= 0.5 ? DD{1 - a, 0} : fast::TwoSum(1, -a); }

// n / d for double-doubles as q + e with q the rounded quotient of the
// heads and e the correction from the exact remainder n - q d (n.hi - q
// d.hi is exact by Sterbenz): to a few u^2, and |e| <= 2.5 ulp(q), within
// what the logarithm accepts. Unlike Div, the logarithm's reduction of q
// need not wait for the second division.
DD quotient(const DD &n, const DD &d) {
  const double q = n.hi / d.hi;
  const DD p = fast::TwoProd(d.hi, q);
  const double remainder = (((n.hi - p.hi) - p.lo) + n.lo) - q * d.lo;
  return {q, remainder / d.hi};
}
} // namespace

// ln(sqrt((1 + x)/(1 - x))) = ln((1 + a)/(1 - a)) / 2 for a = |x|, odd:
// the quotient of exact double-doubles, at least 1 + 2a. Below 2^-27 it
// rounds to x. A NaN passes the domain check and has no value.
Float ArcTanh(Float x) {
  DomainCheck(std::fabs(x) >= 1);
  if (std::isnan(x))
    throw EInvalidOp();
  const Float a = std::fabs(x);
  if (a < 0x1p-27)
    return x;
  const fast::BoundedLog l = fast::LogShort(quotient(fast::TwoSum(1, a), oneMinus(a)));
  return Decided(withSign(x, fast::Scale(l.v, 0.5)), fast::RelativeBound(l) + ArgumentEps, x,
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
  return Decided(withSign(x, fast::Scale(fast::Log1p(u), 0.5)), fast::Log1pEps, x,
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
    return Decided(v, fast::LogFastEps, x, quad::ArcSech);
  }
  const DD onePlus = fast::TwoSum(1, x);
  const DD oneMinusX = oneMinus(x);
  const DD root = fast::Sqrt(fast::Mul(onePlus, oneMinusX));
  const DD u = fast::Div(fast::Add(oneMinusX, root), {x, 0});
  return Decided(fast::Log1p(u), fast::Log1pEps, x, quad::ArcSech);
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
    return Decided(withSign(x, v), fast::LogFastEps, x, quad::ArcCsch);
  }
  if (a >= 0x1p27) {
    const DD v = fast::Recip({a, 0});
    return Decided(withSign(x, fast::AddDouble(v, -v.hi * v.hi * v.hi / 6)), 0, x,
                   quad::ArcCsch);
  }
  const DD root = fast::Sqrt(fast::AddDouble(fast::TwoProd(a, a), 1));
  const DD inner = fast::AddDouble(fast::Recip(fast::AddDouble(root, a)), 1);
  const DD u = fast::Div(inner, {a, 0});
  return Decided(withSign(x, fast::Log1p(u)), fast::Log1pEps, x, quad::ArcCsch);
}

} // namespace quorvex::math
