#pragma once

#include "engine/floattypes.h"

// The inverse trigonometric routines of the standard math context. Each
// returns the correctly rounded double of its true value or raises the
// calculator's error.

namespace quorvex::math {

// The routines carry the names of the functions they compute.
// NOLINTBEGIN(readability-identifier-naming)
Float ArcTan(Float x);
Float ArcSin(Float x);
Float ArcCos(Float x);
Float ArcCot(Float x);
Float ArcSec(Float x);
Float ArcCsc(Float x);
Float ArcTan2(Float x, Float z);
// NOLINTEND(readability-identifier-naming)

} // namespace quorvex::math
