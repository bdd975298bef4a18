#pragma once

#include "engine/floattypes.h"

// The slow path: every routine of the standard context in quad precision
// (113-bit __float128, GCC's libquadmath), taken only when the fast path's
// error bound cannot decide the rounding to double (some 1 in 10^4 to 10^5
// arguments) or the result may be subnormal. Its error is a few units of
// 2^-113, some 2^60 times below a double's half ulp, so the double it
// rounds to is the correctly rounded one unless the true value lies within
// about 2^-110 relative of a rounding boundary; the exact cases that can
// sit on a boundary (whole and half-whole powers, hypotenuses) are formed
// exactly. Arguments are finite and inside each routine's domain; the
// routines of elementary.cpp and friends check that first.

namespace quorvex::quad {

// Rounds to double; infinity is the engine's overflow error. Every slow-
// path result passes through here.
Float Round(__float128 value);

// How many results took the slow path since the program started: what the
// accuracy tool reports and the hard-case test checks.
unsigned long long SlowPathCount();

__float128 Sin(Float x);
__float128 Cos(Float x);
__float128 Tan(Float x);
__float128 Cot(Float x);
__float128 Sec(Float x);
__float128 Csc(Float x);
__float128 Versine(Float x);
__float128 Coversine(Float x);
__float128 Exsecans(Float x);

__float128 Exp(Float x);
__float128 Ln(Float x);
__float128 LogBase2(Float x);
__float128 LogBase10(Float x);
__float128 LogBaseN(Float base, Float x);
// |x|^z for x != 0.
__float128 MagnitudePower(Float x, Float z);
__float128 Pythag(Float h, Float v);

__float128 ArcTan(Float x);
__float128 ArcTan2(Float y, Float x);
__float128 ArcSin(Float x);
__float128 ArcCos(Float x);
__float128 ArcCot(Float x);
__float128 ArcSec(Float x);
__float128 ArcCsc(Float x);

__float128 Cosh(Float x);
__float128 Sinh(Float x);
__float128 Tanh(Float x);
__float128 Coth(Float x);
__float128 Csch(Float x);
__float128 Sech(Float x);
__float128 ArcSinh(Float x);
__float128 ArcCosh(Float x);
__float128 ArcTanh(Float x);
__float128 ArcCoth(Float x);
__float128 ArcSech(Float x);
__float128 ArcCsch(Float x);

} // namespace quorvex::quad
