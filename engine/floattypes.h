#pragma once

// The one number type of the calculator, and the fixed-width flavours that
// variables and functions may use at the machine's boundary.

namespace quorvex {

using Float = double;
using Float32 = float;
using Float64 = double;
// x87 extended on x86-64: 64-bit significand, 15-bit exponent.
using Float80 = long double;

static_assert(sizeof(Float64) == 8, "Float64 must be IEEE double");

} // namespace quorvex
