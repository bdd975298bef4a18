#include "algebraic.h"

#include "doubledouble.h"
#include "extended.h"
#include "libquadmath.h"
#include "roundingdecision.h"

#include "engine/errors.h"

#include <cmath>
#include <utility>

// The square, the square root and the absolute value are single correctly
// rounded double operations. The hypotenuse has a fast path returning a
// double-double with its error bound, an accurate path in quad precision
// and its entry point, which lets the rounding decision choose.

namespace quorvex::math {

using extended::finish;
using fast::BoundedScaled;
using fast::DD;
using quad::Quad;
using quad::wide;

// --- square, sqrt, abs -------------------------------------------------------

// The double product and square root are correctly rounded; forming them in
// extended first would round twice and now and then miss by one unit. An
// infinite square is the overflow error and a NaN the invalid operation.
Float Square(Float x) {
  const Float square = x * x;
  if (std::isnan(square))
    throw EInvalidOp();
  return fast::checked(square);
}

Float Sqrt(Float x) {
  if (x < 0)
    throw EInvalidOp();
  return std::sqrt(x);
}

Float Abs(Float x) {
  return std::fabs(x);
}

// --- pythag ------------------------------------------------------------------

namespace {

// With a >= b > 0 scaled by 2^-e into [1, 2), a^2 + b^2 is an exact
// double-double sum of exact squares (to 3u^2) and its root is good to a
// few u^2: slack covers both.
BoundedScaled pythagFast(Float a, Float b) {
  // Within [2^-400, 2^400] the squares need no scaling.
  const int e = a >= 0x1p-400 && a <= 0x1p400 ? 0 : std::ilogb(a);
  const Float sa = e == 0 ? a : std::ldexp(a, -e);
  const Float sb = e == 0 ? b : std::ldexp(b, -e);
  const DD root = fast::sqrt(fast::add(fast::twoProd(sa, sa), fast::twoProd(sb, sb)));
  return {root, e, fast::slack};
}

// h^2 and v^2 are exact in 113 bits and so is their sum when the
// hypotenuse is a boundary case (its square has at most 108 bits).
Quad pythagAccurate(Float h, Float v) {
  return sqrtq(wide(h) * wide(h) + wide(v) * wide(v));
}

// For infinite and NaN arguments. Scaling by the larger magnitude keeps
// the square in range, so only a result that itself exceeds the double
// range overflows.
Float extendedPythag(Float h, Float v) {
  const Float80 a = std::fabs(static_cast<Float80>(h));
  const Float80 b = std::fabs(static_cast<Float80>(v));
  if (b < a) {
    const Float80 q = b / a;
    return finish(a * std::sqrt(q * q + 1));
  }
  if (b == 0)
    return 0;
  const Float80 q = a / b;
  return finish(b * std::sqrt(q * q + 1));
}

} // namespace

// When b < 2^-60 a, the root exceeds a by under 2^-121 a and rounds to a.
Float Pythag(Float h, Float v) {
  if (!std::isfinite(h) || !std::isfinite(v))
    return extendedPythag(h, v);
  Float a = std::fabs(h);
  Float b = std::fabs(v);
  if (a < b)
    std::swap(a, b);
  if (b == 0 || b < a * 0x1p-60)
    return a;
  return fast::decided(pythagFast(a, b), pythagAccurate, h, v);
}

} // namespace quorvex::math
