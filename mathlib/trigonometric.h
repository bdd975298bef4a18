#pragma once

#include "engine/floattypes.h"

// Guarded trigonometric routines (refusing |x| > 2^63) and the inverse
// trigonometric routines of the standard math context.

namespace quorvex::math {

Float Tan(Float x);
Float Cot(Float x);
Float Sec(Float x);
Float Csc(Float x);
Float Coversine(Float x);
Float Exsecans(Float x);
Float Haversine(Float x);
Float Versine(Float x);

Float ArcTan(Float x);
Float ArcSin(Float x);
Float ArcCos(Float x);
Float ArcCot(Float x);
Float ArcSec(Float x);
Float ArcCsc(Float x);
Float ArcTan2(Float x, Float z);

} // namespace quorvex::math
