#pragma once

#include "engine/floattypes.h"

// The inverse hyperbolic routines of the standard math context. Each
// returns the correctly rounded double of its true value or raises the
// calculator's error.

namespace quorvex::math {

// The routines carry the names of the functions they compute.
// NOLINTBEGIN(readability-identifier-naming)
Float ArcSinh(Float x);
Float ArcCosh(Float x);
Float ArcTanh(Float x);
Float ArcCoth(Float x);
Float ArcSech(Float x);
Float ArcCsch(Float x);
// NOLINTEND(readability-identifier-naming)

} // namespace quorvex::math
