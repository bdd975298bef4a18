#pragma once

#include "doubledouble.h"
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

} // namespace quorvex::fast
