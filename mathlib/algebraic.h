#pragma once

#include "engine/floattypes.h"

// The algebraic routines of the standard math context: the square, the
// square root, the absolute value and the hypotenuse. Each returns the
// correctly rounded double of its true value or raises the calculator's
// error.

namespace quorvex::math {

// The routines carry the names of the functions they compute.
// NOLINTBEGIN(readability-identifier-naming)
Float Square(Float x);
Float Sqrt(Float x);
Float Abs(Float x);
Float Pythag(Float h, Float v);
// NOLINTEND(readability-identifier-naming)

} // namespace quorvex::math
