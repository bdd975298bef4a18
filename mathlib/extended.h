#pragma once

#include "engine/floattypes.h"

// Checked extended-precision building blocks for the arguments whose
// outcome the extended-precision expressions of the functions define
// (infinities, NaN, arguments outside a real result). The calculator never
// enables floating-point traps, so every fault the hardware would have
// trapped is recognised here from the operands and raised as the engine's
// error instead of producing an infinity or a NaN.

namespace quorvex::extended {

// Arguments beyond this are refused by the guarded trigonometric routines.
inline constexpr Float80 twoToPower63 = 9223372036854775808.0L;

// Rounds a routine's result to Float. An infinity reached from the finite
// arguments a formula supplies is an overflow, a NaN an invalid operation;
// a value beyond the double range is an overflow, one below it quietly
// becomes subnormal or zero.
Float finish(Float80 result);

// a / b; dividing by zero is the division-by-zero fault (0 / 0 invalid).
Float80 divide(Float80 a, Float80 b);
// Natural logarithm: 0 is the division-by-zero fault, below 0 invalid.
Float80 ln(Float80 x);
// Square root: negative arguments are invalid (-0 is fine).
Float80 sqrt(Float80 x);

} // namespace quorvex::extended
