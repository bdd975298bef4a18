#pragma once

#include "engine/floattypes.h"

// Sine, cosine and the guarded trigonometric functions (refusing
// |x| > 2^63) of the standard math context. Each returns the correctly
// rounded double of its true value or raises the calculator's error.

namespace quorvex::math {

// The routines carry the names of the functions they compute.
// NOLINTBEGIN(readability-identifier-naming)
Float Sin(Float x);
Float Cos(Float x);
Float Tan(Float x);
Float Cot(Float x);
Float Sec(Float x);
Float Csc(Float x);
Float Coversine(Float x);
Float Exsecans(Float x);
Float Haversine(Float x);
Float Versine(Float x);
// NOLINTEND(readability-identifier-naming)

} // namespace quorvex::math
