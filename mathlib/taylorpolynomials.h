#pragma once

#include "doubledouble.h"

// Functions evaluated from tables of Taylor polynomials at the points
// i/256: asin and atan (inversetrigonometrictables.h), sinh, cosh and tanh
// (hyperbolictables.h).

namespace quorvex::fast {

// f(c + t) for c = i/256 and |t| <= 2^-9: the Taylor polynomial value +
// slope t + higher[0] t^2 + ... + higher[6] t^8. The heads of value lie
// on the 2^-44 grid, and so does that of halfPiOnGrid, pi/2: sums of them
// and of their doubles are exact.
struct TaylorEntry {
  DD value;
  DD slope;
  double higher[7];
};

// The tables' bounds, derived at taylorAt.
inline constexpr double asinEps = 0x1p-68;
inline constexpr double atanTaylorEps = 0x1p-67;
inline constexpr double sinhTaylorEps = 0x1p-68;
inline constexpr double coshTaylorEps = 0x1p-68;
inline constexpr double tanhTaylorEps = 0x1p-67;

// base + scale f(s + d) for f's Taylor table (asinTable for 0 <= s <= 1/2,
// atanTaylorTable for s <= 1, sinhTaylorTable for s < 1/2, coshTaylorTable
// for s < 1, tanhTaylorTable for s < 0.55), |d| <= 2^-52 s (the low part
// of a square root or quotient, or 0), base 0, halfPiOnGrid or twice it,
// and scale +-1 or +-2, where base + scale f(c) below is 0, f(c) itself,
// or at least pi/4 - 2^-8. The error is below eps |scale f(s + d)| +
// 2^-95, eps the table's own (the constants above); the second term is
// there only where the result is at least 2^-9, and fits in eps's margin
// there.
//
// With c = i/256 nearest s and t = s - c (exact by Sterbenz for i > 0; |t|
// <= 2^-9), f(c + t) is the table's Taylor polynomial of degree 8. The
// generator checks, relative to f: its remainder with the table's
// roundings, below 2^-77 (atan: 2^-75), and its part in doubles, t^2 (a2
// + a3 t + ... + a8 t^6), below 2^-17.7 (atan and tanh: 2^-16.7). That
// part carries at most 4u: a2's own rounding, its sum with t (a3 + ...),
// t^2 and the product; the later terms, 2^-8 smaller each, are summed
// Estrin's way with a few u more. So 2^-68.8 (2^-67.8), and u of the part
// when it joins the low sum: 2^-70.8 (2^-69.8). d enters through the
// derivative slope + 2 a2 t + 3 a3 t^2; the next term, 4 a4 t^3 d with
// |a4| <= 1 (checked), is below 2^-77. The head base + scale value.hi is
// exact (all on the 2^-44 grid, below 4), and so is its sum with the
// exact product scale slope.hi t (the generator checks that f(c) exceeds
// it); the low terms other than the polynomial part, below 2^-44 in all,
// round by under 2^-95. With the later terms' few u, tools/math_bounds.py
// adds these up to 2^-68.2 (atan and tanh: 2^-67.2; cosh: 2^-69.7): eps =
// 2^-68 (atan and tanh: 2^-67).
[[gnu::always_inline]] inline DD taylorAt(const TaylorEntry &e, const DD &base,
                                          double scale, double t, double d) {
  const double *a = e.higher;
  const double t2 = t * t;
  const double rest = mulAdd(t2 * t2, mulAdd(t, a[6], a[5]),
                             mulAdd(t2, mulAdd(t, a[4], a[3]), mulAdd(t, a[2], a[1])));
  const double higher = t2 * mulAdd(t, rest, a[0]);
  const double correction = d * mulAdd(t, mulAdd(t, 3 * a[1], 2 * a[0]), e.slope.hi);
  const DD p = twoProd(e.slope.hi, t);
  const DD head = fastTwoSum(base.hi + scale * e.value.hi, scale * p.hi);
  const double small =
      base.lo + scale * (e.value.lo + (p.lo + (e.slope.lo * t + correction)));
  return fastTwoSum(head.hi, (head.lo + small) + scale * higher);
}

[[gnu::always_inline]] inline DD offsetTaylor(const TaylorEntry *table, const DD &base,
                                              double scale, double s, double d) {
  const double nd = nearestInteger(s * 256);
  return taylorAt(table[static_cast<unsigned>(nd)], base, scale, s - nd * (1.0 / 256), d);
}

// f(s) itself.
[[gnu::always_inline]] inline DD taylorValue(const TaylorEntry *table, double s) {
  return offsetTaylor(table, {0, 0}, 1, s, 0);
}

} // namespace quorvex::fast
