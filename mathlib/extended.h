#pragma once

#include "engine/floattypes.h"

// Checked extended-precision building blocks shared by the math routines.
// The calculator never enables floating-point traps, so every fault the
// hardware would have trapped is recognised here from the operands and
// raised as the engine's error instead of producing an infinity or a NaN.

namespace quorvex::extended {

// Arguments beyond this are refused by the guarded trigonometric routines.
inline constexpr Float80 TwoToPower63 = 9223372036854775808.0L;

// Rounds a routine's result to Float. An infinity reached from the finite
// arguments a formula supplies is an overflow, a NaN an invalid operation;
// a value beyond the double range is an overflow, one below it quietly
// becomes subnormal or zero.
Float Finish(Float80 result);

// a / b; dividing by zero is the division-by-zero fault (0 / 0 invalid).
Float80 Divide(Float80 a, Float80 b);
// Natural logarithm: 0 is the division-by-zero fault, below 0 invalid.
Float80 Ln(Float80 x);
// ln(1 + x) without the cancellation of forming 1 + x; x = -1 is the
// division-by-zero fault, x < -1 invalid.
Float80 Ln1p(Float80 x);
// Square root: negative arguments are invalid (-0 is fine).
Float80 Sqrt(Float80 x);

// How the base-2 exponent is split into an integer and a fraction.
enum class SplitRounding { Nearest, Floor };

// e^x as 2^f * 2^n with y = x * log2(e) split into n + f. The product is
// formed from an 11-bit head of log2(e), so x * head is exact for a double
// x and f keeps full extended accuracy even when |y| is near 16384.
// Returns infinity or 0 when the result leaves the extended range.
Float80 ExpOf(Float x, SplitRounding rounding);

} // namespace quorvex::extended
