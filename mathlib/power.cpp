#include "power.h"

#include "doubledouble.h"
#include "exponential.h"
#include "extended.h"
#include "libquadmath.h"
#include "mathfuncerror.h"
#include "roundingdecision.h"

#include "engine/errors.h"

#include <cmath>

// |x|^z = e^(z ln|x|) in three steps: the fast path from the cheapest
// logarithm, an accurate path from the logarithm exact through its cubic
// term where the first does not decide, and the quad-precision path last;
// each is settled by the rounding decision. The entry point applies the
// power rules and the sign.

namespace quorvex::math {

using fast::Bounded;
using fast::BoundedScaled;
using fast::DD;
using fast::decided;
using fast::slack;
using quad::Quad;
using quad::wide;

namespace {

// e^y for y = z ln|x| with ln|x| within eps |ln|x|| + abs: y is then off
// by |y| eps + |z| abs (and the product's 2u^2 |y|), which is the relative
// error it passes to e^y, on top of expFastEps. y is left unnormalized,
// its low part within 1.5 ulp(y.hi), as the fast exp allows.
[[gnu::always_inline]] inline BoundedScaled powerFast(const Bounded &log, Float z) {
  const DD p = fast::twoProd(log.v.hi, z);
  const double low = p.lo + log.v.lo * z;
  const BoundedScaled e = fast::expFast(p.hi, low);
  const double bound = e.eps + slack + std::fabs(p.hi) * log.eps + std::fabs(z) * log.abs;
  return {e.m, e.k, bound};
}

// a^n by repeated squaring; exact whenever the result and its partial
// products fit in 113 bits, as every result on a rounding boundary does.
Quad wholePower(Quad a, unsigned n) {
  Quad result = 1;
  for (;;) {
    if (n & 1)
      result *= a;
    n >>= 1;
    if (n == 0)
      return result;
    a *= a;
  }
}

// x^(n / 2^j) with |n| <= 64 and j <= 5 is the only kind of power whose
// true value can lie on a rounding boundary of doubles (its root must then
// have at most 54/|n| bits), so it is formed as j exact square roots and a
// whole power, all exact in that case. The rest go to powq.
Quad magnitudePowerQuad(Float x, Float z) {
  const Quad a = quad::magnitude(wide(x));
  for (int j = 0; j <= 5; ++j) {
    const Float scaled = std::ldexp(z, j);
    if (scaled == std::trunc(scaled) && std::fabs(scaled) <= 64) {
      Quad root = a;
      for (int k = 0; k < j; ++k)
        root = sqrtq(root);
      const Quad p = wholePower(root, static_cast<unsigned>(std::fabs(scaled)));
      return scaled > 0 ? p : 1 / p;
    }
  }
  return powq(a, wide(z));
}

// The logarithm exact through its cubic term may decide where the
// cheapest one's absolute error, times a large z, does not.
[[gnu::noinline]] Float magnitudePowerAccurate(Float x, Float z) {
  return decided(powerFast(fast::logFast(std::fabs(x)), z), magnitudePowerQuad, x, z);
}

// |x|^z = e^(z ln|x|) for finite x != 0 and finite z. |y| > 745.5 is
// beyond the double range either way: an overflow above, 0 below. So is
// the case where z ln|x| itself overflows.
Float magnitudePower(Float x, Float z) {
  if (!std::isfinite(x) || !std::isfinite(z)) [[unlikely]]
    return extended::finish(
        std::pow(std::fabs(static_cast<Float80>(x)), static_cast<Float80>(z)));
  const Bounded log = fast::logShort(std::fabs(x));
  const double estimate = z * log.v.hi;
  if (!(std::fabs(estimate) <= 745.5)) [[unlikely]] {
    if (estimate > 0)
      throw EOverflow();
    return 0;
  }
  // Within 2^-60 of 0, e^y is within 2^-59 of 1 and rounds to it.
  if (std::fabs(estimate) < 0x1p-60) [[unlikely]]
    return 1;
  return decided(powerFast(log, z), magnitudePowerAccurate, x, z);
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

} // namespace quorvex::math
