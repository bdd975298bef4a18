#pragma once

#include "engine/floattypes.h"

// The basic routines of the standard math context: each takes and returns
// Float, computes in extended precision and rounds once on return.

namespace quorvex::math {

Float Sin(Float x);
Float Cos(Float x);
Float Exp(Float x);
Float Ln(Float x);
Float Square(Float x);
Float Sqrt(Float x);
Float Abs(Float x);
Float LogBase10(Float x);
Float LogBase2(Float x);
Float LogBaseN(Float base, Float x);
Float Power(Float x, Float z);
Float Pythag(Float h, Float v);

} // namespace quorvex::math
