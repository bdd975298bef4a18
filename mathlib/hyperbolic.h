#pragma once

#include "engine/floattypes.h"

// The hyperbolic routines of the standard math context. Each returns the
// correctly rounded double of its true value or raises the calculator's
// error.

namespace quorvex::math {

// The routines carry the names of the functions they compute.
// NOLINTBEGIN(readability-identifier-naming)
Float Cosh(Float x);
Float Sinh(Float x);
Float Tanh(Float x);
Float Coth(Float x);
Float Csch(Float x);
Float Sech(Float x);
// NOLINTEND(readability-identifier-naming)

} // namespace quorvex::math
