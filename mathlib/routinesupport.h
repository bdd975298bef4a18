#pragma once

#include "doubledouble.h"
#include "fastkernels.h"
#include "quadprecision.h"

#include "engine/errors.h"

#include <cmath>

// What the routines of the standard context share around the kernels.

namespace quorvex::fast {

// A decided result that is infinite overflowed the double range.
inline Float Checked(Float value) {
  if (std::isinf(value)) [[unlikely]]
    throw EOverflow();
  return value;
}

// The smallest margin every bound includes for the double-double sums and
// products of a routine (a few dozen u^2).
inline constexpr double Slack = 0x1p-98;

// v when its bound (eps and Slack) decides the rounding, else the slow
// path's quad value of the same function, rounded.
inline Float Decided(const DD &v, double eps, Float x, __float128 (*slow)(Float)) {
  Float out = 0;
  if (RoundsTo(v, eps + Slack, out))
    return Checked(out);
  return quad::Round(slow(x));
}

// The same for m 2^k.
inline Float DecidedScaled(const DD &m, double eps, int k, Float x, __float128 (*slow)(Float)) {
  Float out = 0;
  if (RoundsScaled(m, eps + Slack, k, out))
    return Checked(out);
  return quad::Round(slow(x));
}

} // namespace quorvex::fast
