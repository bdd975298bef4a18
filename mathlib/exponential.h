#pragma once

#include "argumentreduction.h"
#include "doubledouble.h"
#include "exponentialtables.h"
#include "roundingdecision.h"

#include "engine/floattypes.h"

// The exponential and the logarithms of the standard math context, each
// returning the correctly rounded double of its true value or raising the
// calculator's error. Their entry points, accurate paths and the fast
// paths no other family uses are in exponential.cpp; the fast paths of e^x
// and ln x are here, inline, because power and the hyperbolic and inverse
// hyperbolic functions are built from them and keep their whole
// computation in registers that way (a call would return the double-double
// results through memory).

namespace quorvex::math {

// The routines carry the names of the functions they compute.
// NOLINTBEGIN(readability-identifier-naming)
Float Exp(Float x);
Float Ln(Float x);
Float LogBase10(Float x);
Float LogBase2(Float x);
Float LogBaseN(Float base, Float x);
// NOLINTEND(readability-identifier-naming)

} // namespace quorvex::math

namespace quorvex::fast {

// --- exp ---------------------------------------------------------------------

inline constexpr double expFastEps = 0x1p-69;

// e^x as m 2^k for a double x (xlo = 0): with x = n ln2/256 + r
// (reduceExp), n = 256 k + j and T = 2^(j/256) from the table, e^r is
// evaluated as 1 + rh + q, q = rl (1 + rh + rh^2/2) + rh^2 (1/2 + ... +
// rh^4/720) in double: q < 2^-19.9, the Taylor remainder r^7/7! < 2^-79,
// and the roundings of q stay under 2^-71 (rh^2's, the polynomial's, the
// product's, and the sum's). T (1 + rh + q) = T1 + T1 ra + (T1 (rb + q) +
// T2 (1 + rh + q)) with T1 the table's head cut to 27 bits and ra rh cut
// to 26, so T1 ra is exact; the rest is below 2^-19 and summed with under
// 2^-71 of rounding. With the table's own 2^-80 the total stays below
// 2^-70 relative: expFastEps = 2^-69.
//
// The same for a double-double argument x + xlo (|xlo| <= 1.5 2^-43, as
// power's unnormalized ones below 745.5): the low part joins rl, which
// stands for the factor e^rl = 1 + rl + ..., so its term is rl e^rh; rl
// (1 + rh + rh^2/2) leaves out rl rh^3/6 < 2^-73.5 (2^-91 when x is a
// double and rl the reduction's own low part). The total stays below
// 2^-69.9 then. tools/math_bounds.py adds up both.
[[gnu::always_inline]] inline BoundedScaled expFast(double x, double xlo = 0) {
  const ExpReduced r = reduceExp(x, xlo);
  const double rh = r.rh;
  const double rl = r.rl;
  const double polynomial = mulAdd(
      rh, mulAdd(rh, mulAdd(rh, mulAdd(rh, 1.0 / 720, 1.0 / 120), 1.0 / 24), 1.0 / 6),
      0.5);
  const double q = mulAdd(rl, mulAdd(rh, mulAdd(rh, 0.5, 1), 1), (rh * rh) * polynomial);
  const auto n = static_cast<int>(r.n);
  const ExpSplitEntry &table = expSplitTable[n & 255];
  const DD ra = splitBits(rh, 27);
  const DD head = fastTwoSum(table.head, table.head * ra.hi);
  const double t2 = table.tail;
  const double rest = head.lo + (table.head * (ra.lo + q) + t2 * (1 + (rh + q)));
  return {fastTwoSum(head.hi, rest), n >> 8, expFastEps};
}

// --- ln ----------------------------------------------------------------------

inline constexpr double logFastEps = 0x1p-73;

// The more accurate ln, for logbaseN, for power where the cheaper one does
// not decide, and for the inverse hyperbolic functions of tiny arguments:
// x = 2^e m (reduceLog), ln(1 + r) = r - r^2/2 + r^3/3 - ... + r^9/9,
// next term below 2^-78 relative to r (|r| < 2^-8.3). r^2 = ra^2 + (2 ra
// rb + rb^2) with ra of 26 bits is exact in its head; r^3 = r ra^2 + r (2
// ra rb + rb^2) has an exact product for its head and is divided by 3
// with its exact remainder (3q = 2q + q as a twoSum), so r - r^2/2 + r^3/3
// is a double-double to 2^-100 relative to r. The quartic and higher part,
// below 2^-26.9 relative to r, carries 4u and its polynomial's roundings:
// 2^-76 relative to r; the low sum of the tails (of ln 2 and of the table,
// below 2^-33) rounds by under 2^-86 absolute. With e = 0 the table value
// and r can have opposite signs and be within a factor 1.3 (c is rounded
// to 9 bits), so the result may be a third of |r| and at least 2^-10:
// 2^-75.1 relative at worst (tools/math_bounds.py). With e != 0 nothing
// cancels: logFastEps = 2^-73.
[[gnu::always_inline]] inline Bounded logFast(double x) {
  const LogArgument a = reduceLog(x);
  const double r = a.r;
  const DD ra = splitBits(r, 27);
  const double z = ra.hi * ra.hi;
  const double zl = (2 * ra.hi + ra.lo) * ra.lo;
  const DD cube = twoProd(r, z);
  const double third = cube.hi * (1.0 / 3);
  const DD threeThirds = twoSum(2 * third, third);
  const double thirdLo =
      ((cube.hi - threeThirds.hi) - threeThirds.lo + (cube.lo + r * zl)) * (1.0 / 3);
  const double r2 = r * r;
  const double higher =
      r2 * r2 *
      (-0.25 + r * (0.2 + r * (-1.0 / 6 + r * (1.0 / 7 + r * (-0.125 + r * (1.0 / 9))))));
  const DD lead = fastTwoSum(r, -0.5 * z);
  const DD withCube = twoSum(lead.hi, third);
  const auto ed = static_cast<double>(a.e);
  const double table = ed * ln2Parts[0] + a.entry->minusLog.hi;
  const DD sum = twoSum(table, withCube.hi);
  const double lo = sum.lo + (withCube.lo + (lead.lo + ((thirdLo - 0.5 * zl) + higher)) +
                              (a.entry->minusLog.lo + ed * ln2Parts[1]));
  return {fastTwoSum(sum.hi, lo), logFastEps, 0};
}

// Where the table part vanishes (x within 2^-9 of 1), the error is
// relative; elsewhere mostly absolute (see logShort).
inline constexpr double logNearOneEps = 0x1p-68;
inline constexpr double logShortEps = 0x1p-82;
inline constexpr double logShortAbs = 0x1.8p-77;

// ln(1 + r) less its higher terms' rounding as lead + tail: the exact
// double-double r - z/2 and the tail in doubles (see logShort).
struct LogSeries {
  DD lead;
  double tail;
};

[[gnu::always_inline]] inline LogSeries logSeries(double r) {
#ifdef __FMA__
  const DD square = twoProd(r, r);
  const double z = square.hi;
  const double zl = square.lo;
#else
  const DD ra = splitBits(r, 27);
  const double z = ra.hi * ra.hi;
  const double zl = (2 * ra.hi + ra.lo) * ra.lo;
#endif
  const double r2 = r * r;
  const double polynomial =
      mulAdd(r,
             mulAdd(r2 * r2, mulAdd(r, 1.0 / 9, -0.125),
                    mulAdd(r2, mulAdd(r, 1.0 / 7, -1.0 / 6), mulAdd(r, 0.2, -0.25))),
             1.0 / 3);
  return {fastTwoSum(r, -0.5 * z), (r * r2) * polynomial - 0.5 * zl};
}

// The cheapest ln, for ln, the logarithms to other bases, power and the
// inverse hyperbolic functions, of x or of a double-double x + xlo with
// |xlo| <= 4 ulp(x) (normalized or not) and |x + xlo - 1| >= 2^-26.
//
// ln x = E + ln(1 + r + rl) with the table part E = e ln2 - ln c and
// rl = xlo c 2^-e0 (x = 2^e0 m; exact up to its rounding, |rl| <= 2^-50),
// and ln(1 + r) = r - r^2/2 + r^3 (1/3 - r/4 + ... + r^6/9), next term
// below 2^-86.3 and 2^-78 |r| (|r| < 2^-8.3). r^2 = z + zl with an exact
// z (a square of a 26-bit head, or the rounded square whose remainder an
// FMA gives), so r - z/2 is an exact double-double and |zl| <= 2^-24 r^2.
// The tail r^3 (1/3 - ...) - zl/2 is formed in doubles with at most 5.6u
// of |r|^3/3 (the product's two roundings, the polynomial's 1.6u led by
// 1/3's own half u, the product, and the subtraction): 2^-76.9, or
// 2^-68.7 |r|. rl enters as rl (1 - r + r^2 - r^3), short of ln(1 + r +
// rl) - ln(1 + r) by rl r^4 + rl^2/2 (2^-83.2, and 2^-74 |r| since
// |r| >= 2^-26 once rl is there). E's head e ln2_0 + (-ln c)_0 is exact
// (the 2^-42 grid), its sum with r - z/2 an exact twoSum; the low sum
// gathers the tails of ln 2 (up to |e| 2^-43) and of the table (2^-43),
// rl and the exact sums' errors, and adds the tail last: its roundings
// stay below (1 + |e|) 2^-93.4 + 2^-79.5. ln 2's third piece is left out:
// |e| 2^-89.3. With |e| <= 2.9 |ln x| (x lies within a factor sqrt 2 of
// 2^e) the whole error is below 2^-77.1 + 2^-87.7 |ln x|
// (tools/math_bounds.py): logShortAbs and logShortEps. Where E = 0 (e = 0
// and c = 1 or 1/2, x within 2^-9 of 1) the table's terms vanish exactly
// and ln x is within a factor 1 - 2^-9.3 of r: the tail's 2^-68.7, the
// final sum's u 2^-18.2 = 2^-71.2 and rl's 2^-74, relative: 2^-68.6,
// logNearOneEps = 2^-68.
template <bool WithLow>
[[gnu::always_inline]] inline Bounded logShortOf(double x, double xlo) {
  const LogArgument a = reduceLog(x);
  const double r = a.r;
  const LogSeries series = logSeries(r);
  const auto ed = static_cast<double>(a.e);
  const double table = ed * ln2Parts[0] + a.entry->minusLog.hi;
  const DD sum = twoSum(table, series.lead.hi);
  double small = a.entry->minusLog.lo + ed * ln2Parts[1];
  if constexpr (WithLow) {
    const double rl = xlo * (a.entry->inverse * a.scale);
    small += rl * mulAdd(r, mulAdd(r, 1 - r, -1), 1);
  }
  const double lo = (sum.lo + (series.lead.lo + small)) + series.tail;
  const bool nearOne = table == 0;
  return {fastTwoSum(sum.hi, lo), nearOne ? logNearOneEps : logShortEps,
          nearOne ? 0 : logShortAbs};
}

[[gnu::always_inline]] inline Bounded logShort(double x) {
  return logShortOf<false>(x, 0);
}
[[gnu::always_inline]] inline Bounded logShort(DD x) {
  return logShortOf<true>(x.hi, x.lo);
}

// The bound as a relative one: the absolute part applies only where
// |ln x| >= 2^-10, so 2^10 abs covers it (2^-66.4). The logarithms decide
// with it; power, whose exponent multiplies the absolute part, keeps both.
inline double relativeBound(const Bounded &l) {
  return l.eps + 0x1p10 * l.abs;
}

} // namespace quorvex::fast
