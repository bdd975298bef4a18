#pragma once

#include "engine/floattypes.h"

#include <cmath>

// The slow path's arithmetic: quad precision (113-bit __float128, GCC's
// libquadmath). Each routine's accurate path, next to its fast path in its
// family's file, computes the function in quad precision; it is taken only
// when the fast path's error bound cannot decide the rounding to double
// (some 1 in 10^4 to 10^5 arguments) or the result may be subnormal. Its
// error is a few units of 2^-113, some 2^60 times below a double's half
// ulp, so the double it rounds to is the correctly rounded one unless the
// true value lies within about 2^-110 relative of a rounding boundary; the
// exact cases that can sit on a boundary (whole and half-whole powers,
// hypotenuses) are formed exactly. Arguments are finite and inside each
// routine's domain; the entry points check that first.

namespace quorvex::quad {

using Quad = __float128;

inline Quad wide(Float x) {
  return static_cast<Quad>(x);
}
inline Quad magnitude(Quad q) {
  return q < 0 ? -q : q;
}
inline Quad signOf(Float x) {
  return std::signbit(x) ? -1 : 1;
}

// Rounds to double; infinity is the engine's overflow error. Every slow-
// path result passes through here.
Float round(Quad value);

// How many results took the slow path since the program started: what the
// accuracy tool reports and the hard-case test checks.
unsigned long long slowPathCount();

} // namespace quorvex::quad
