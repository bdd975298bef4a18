#pragma once

#include "doubledouble.h"
#include "quadprecision.h"

#include "engine/errors.h"
#include "engine/floattypes.h"

#include <cmath>
#include <type_traits>

// The one rounding decision every routine ends in. A fast path returns its
// double-double value with an error bound; when both ends of the interval
// that bound allows round to the same double, so does the true value
// (rounding is monotonic), and that double is the result. Otherwise the
// routine's accurate path computes the value in quad precision and that
// is rounded instead.

namespace quorvex::fast {

// A fast path's result: |v - f| <= eps |v.hi| + abs for the true value f.
struct Bounded {
  DD v;
  double eps;
  double abs;
};

// A fast path's result m 2^k, |m - f 2^-k| <= eps |m.hi|, where m 2^k is
// a normal double whenever k >= -1014 (m within [2^-8, 2^8) for the
// exponentials, within [2^-400, 2^402] for the hypotenuse).
struct BoundedScaled {
  DD m;
  int k;
  double eps;
};

// The smallest margin a routine adds to its kernels' bounds for the
// double-double sums, products and quotients it combines them with (each
// below 2^-101, see doubledouble.h).
inline constexpr double slack = 0x1p-98;

// Forming v.lo +- err rounds by at most 2^-106 |v.hi|, and the bound's own
// computation by its relative 2^-52: widened covers both.
constexpr double widened(double eps) {
  return eps * (1 + 0x1p-40) + 0x1p-104;
}

// The test for a Bounded value. Results below 2^-969 are never decided
// here: their low part would be subnormal and the double-double operations
// no longer exact.
inline bool roundsTo(DD v, double eps, double abs, double &out) {
  const double magnitude = std::fabs(v.hi);
  if (!(magnitude >= 0x1p-969))
    return false;
  const double err = widened(eps) * magnitude + abs * (1 + 0x1p-40);
  const double up = v.hi + (v.lo + err);
  const double down = v.hi + (v.lo - err);
  if (up != down)
    return false;
  out = up;
  return true;
}

// The test for m 2^k: decides RN(m) and scales it, or refuses when the
// result could be subnormal. Overflow gives infinity, which checked
// reports.
inline bool roundsScaled(DD m, double eps, int k, double &out) {
  if (k < -1014)
    return false;
  // m itself needs no check against the subnormal range (BoundedScaled).
  const double err = widened(eps) * std::fabs(m.hi);
  const double rounded = m.hi + (m.lo + err);
  if (rounded != m.hi + (m.lo - err))
    return false;
  out = k <= 1023 ? rounded * powerOfTwo(k) : rounded * 0x1p1023 * powerOfTwo(k - 1023);
  return true;
}

// A decided result that is infinite overflowed the double range.
inline Float checked(Float value) {
  if (std::isinf(value)) [[unlikely]]
    throw EOverflow();
  return value;
}

// The reciprocal functions of tiny arguments, 1/x + c x with |c| <= 1/2
// (cot, csc, coth, csch): below 2^-500 the correction is 2^-1000 relative,
// and 1/x for a double x is never within 2^-107 relative of a rounding
// boundary, so the rounded 1/x is the result.
inline bool reciprocalOfTiny(Float x, Float &out) {
  if (std::fabs(x) >= 0x1p-500)
    return false;
  out = checked(1 / x);
  return true;
}

// The fast path's double when its bound decides the rounding; otherwise
// the accurate path's value of the same arguments: a quad, rounded here,
// or, for a routine with a second, more accurate double-double path, that
// path's own decided double. A decided Bounded value is finite: both ends
// of its interval round to the same double only when that is the rounded
// head, which is finite; a scaled one may overflow in the scaling.
template <class Result, class... Args>
inline Float decided(const Bounded &fast, Result (*accurate)(Args...),
                     std::type_identity_t<Args>... args) {
  Float out = 0;
  if (roundsTo(fast.v, fast.eps, fast.abs, out)) [[likely]]
    return out;
  if constexpr (std::is_same_v<Result, quad::Quad>)
    return quad::round(accurate(args...));
  else
    return accurate(args...);
}

template <class Result, class... Args>
inline Float decided(const BoundedScaled &fast, Result (*accurate)(Args...),
                     std::type_identity_t<Args>... args) {
  Float out = 0;
  if (roundsScaled(fast.m, fast.eps, fast.k, out)) [[likely]]
    return checked(out);
  if constexpr (std::is_same_v<Result, quad::Quad>)
    return quad::round(accurate(args...));
  else
    return accurate(args...);
}

} // namespace quorvex::fast
