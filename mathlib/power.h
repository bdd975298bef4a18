#pragma once

#include "engine/floattypes.h"

// The power routine of the standard math context: the correctly rounded
// double of x^z, or the calculator's error.

namespace quorvex::math {

// The routines carry the names of the functions they compute.
// NOLINTBEGIN(readability-identifier-naming)
Float Power(Float x, Float z);
// NOLINTEND(readability-identifier-naming)

} // namespace quorvex::math
