#pragma once

#include "engine/floattypes.h"

// The hyperbolic routines of the standard math context.

namespace quorvex::math {

Float Cosh(Float x);
Float Sinh(Float x);
Float Tanh(Float x);
Float Coth(Float x);
Float Csch(Float x);
Float Sech(Float x);

} // namespace quorvex::math
