#pragma once

#include "engine/floattypes.h"

// Hyperbolic and inverse hyperbolic routines of the standard math context.

namespace quorvex::math {

Float Cosh(Float x);
Float Sinh(Float x);
Float Tanh(Float x);
Float Coth(Float x);
Float Csch(Float x);
Float Sech(Float x);

Float ArcSinh(Float x);
Float ArcCosh(Float x);
Float ArcTanh(Float x);
Float ArcCoth(Float x);
Float ArcSech(Float x);
Float ArcCsch(Float x);

} // namespace quorvex::math
