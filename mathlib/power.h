#pragma once

#include "engine/floattypes.h"

// The power routine of the standard math context: the correctly rounded
// double of x^z, or the calculator's error.

namespace quorvex::math {

Float Power(Float x, Float z);

} // namespace quorvex::math
