#include "hyperbolic.h"

#include "extended.h"
#include "mathfuncerror.h"

#include <cmath>

namespace quorvex::math {

using extended::Divide;
using extended::Finish;
using extended::SplitRounding;

namespace {
// tanh saturation: 8192 ln 2. Beyond it tanh is +-1 in extended precision.
constexpr Float80 TanhSaturation = 5678.26170314707197440L;
// Beyond this |x|, e^-|x| is below 2^-92 relative to e^|x|, so csch and sech
// are 2 e^-|x| to far better than extended precision.
constexpr Float TailStart = 64;

Float80 signOf(Float x) { return std::signbit(x) ? -1.0L : 1.0L; }

// e^a by the floor split, for a >= 0.
Float80 floorSplitExp(Float a) { return extended::ExpOf(a, SplitRounding::Floor); }

// sinh a for a >= 0. Below 1, (t - 1/t)/2 cancels, so it is formed from
// expm1 instead: with m = e^a - 1, sinh a = (m + m / (m + 1)) / 2.
Float80 sinhOfMagnitude(Float a) {
  if (a < 1) {
    const Float80 m = std::expm1(static_cast<Float80>(a));
    return (m + m / (m + 1)) * 0.5L;
  }
  const Float80 t = floorSplitExp(a);
  return (t - 1 / t) * 0.5L;
}

Float80 coshOfMagnitude(Float a) {
  const Float80 t = floorSplitExp(a);
  return (t + 1 / t) * 0.5L;
}

// tanh a for a >= 0 as -m / (m + 2), m = e^-2a - 1: no cancellation at
// small a and no overflow at large a.
Float80 tanhOfMagnitude(Float a) {
  if (a > TanhSaturation)
    return 1;
  const Float80 m = std::expm1(-2 * static_cast<Float80>(a));
  return -m / (m + 2);
}
} // namespace

Float Cosh(Float x) { return Finish(coshOfMagnitude(std::fabs(x))); }

Float Sinh(Float x) { return Finish(signOf(x) * sinhOfMagnitude(std::fabs(x))); }

Float Tanh(Float x) { return Finish(signOf(x) * tanhOfMagnitude(std::fabs(x))); }

Float Coth(Float x) {
  return Finish(Divide(1, signOf(x) * tanhOfMagnitude(std::fabs(x))));
}

// csch and sech of large |x| are the tiny 2 e^-|x| (quietly 0 far out), not
// an overflow of e^|x|.
Float Csch(Float x) {
  DomainCheck(x == 0);
  const Float a = std::fabs(x);
  if (a > TailStart)
    return Finish(signOf(x) * 2 * extended::ExpOf(-a, SplitRounding::Nearest));
  return Finish(signOf(x) / sinhOfMagnitude(a));
}

Float Sech(Float x) {
  const Float a = std::fabs(x);
  if (a > TailStart)
    return Finish(2 * extended::ExpOf(-a, SplitRounding::Nearest));
  return Finish(1 / coshOfMagnitude(a));
}

// Odd: arcsinh(-x) = -arcsinh(x), so large negative arguments do not
// cancel. Small ones use ln(1 + u) with u = a + a^2 / (1 + sqrt(a^2 + 1)).
Float ArcSinh(Float x) {
  const Float80 a = std::fabs(static_cast<Float80>(x));
  const Float80 root = std::sqrt(a * a + 1);
  const Float80 r = a < 2 ? std::log1p(a + a * a / (1 + root)) : std::log(a + root);
  return Finish(signOf(x) * r);
}

// Near 1, ln(x + sqrt(x^2 - 1)) is taken as ln(1 + u) with the exact t = x - 1.
Float ArcCosh(Float x) {
  DomainCheck(x < 1);
  const Float80 w = x;
  const Float80 t = w - 1;
  const Float80 root = std::sqrt(t * (w + 1));
  return Finish(w < 2 ? std::log1p(t + root) : std::log(w + root));
}

// ln(sqrt((1 + x)/(1 - x))) = ln(1 + 2a/(1 - a)) / 2 for a = |x|, odd.
Float ArcTanh(Float x) {
  DomainCheck(std::fabs(x) >= 1);
  const Float80 a = std::fabs(static_cast<Float80>(x));
  return Finish(signOf(x) * 0.5L * std::log1p(2 * a / (1 - a)));
}

// (x + 1)/(x - 1) = 1 + 2/(x - 1); for |x| < 1 that is negative and its
// logarithm the invalid operation.
Float ArcCoth(Float x) {
  DomainCheck(std::fabs(x) == 1);
  const Float80 w = x;
  if (std::fabs(w) < 1)
    return Finish(0.5L * extended::Ln(Divide(w + 1, w - 1)));
  const Float80 a = std::fabs(w);
  return Finish(signOf(x) * 0.5L * std::log1p(2 / (a - 1)));
}

// ln((1 + sqrt(1 - x^2)) / x) = ln(1 + ((1 - x) + sqrt(1 - x^2)) / x) for
// 0 < x <= 1. x = 0 is the division by zero; negative x give a negative
// quotient and so the invalid operation.
Float ArcSech(Float x) {
  DomainCheck(std::fabs(x) > 1);
  const Float80 w = x;
  const Float80 root = std::sqrt((1 - w) * (1 + w));
  if (w <= 0)
    return Finish(extended::Ln(Divide(1 + root, w)));
  return Finish(std::log1p(((1 - w) + root) / w));
}

// Odd. With a = |x|: ln((1 + sqrt(a^2 + 1)) / a) = ln(1 + u) where
// u = (1 + 1/(sqrt(a^2 + 1) + a)) / a, which stays accurate for large a.
Float ArcCsch(Float x) {
  DomainCheck(x == 0);
  const Float80 a = std::fabs(static_cast<Float80>(x));
  const Float80 root = std::sqrt(a * a + 1);
  const Float80 u = (1 + 1 / (root + a)) / a;
  return Finish(signOf(x) * std::log1p(u));
}

} // namespace quorvex::math
