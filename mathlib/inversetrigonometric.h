#pragma once

#include "engine/floattypes.h"

// The inverse trigonometric routines of the standard math context.

namespace quorvex::math {

Float ArcTan(Float x);
Float ArcSin(Float x);
Float ArcCos(Float x);
Float ArcCot(Float x);
Float ArcSec(Float x);
Float ArcCsc(Float x);
Float ArcTan2(Float x, Float z);

} // namespace quorvex::math
