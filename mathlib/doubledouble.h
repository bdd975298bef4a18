#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

// Double-double arithmetic: a value as the unevaluated sum hi + lo of two
// doubles, |lo| <= ulp(hi)/2 after normalisation, about 106 bits. The
// error-free transformations below are exact in round-to-nearest double
// arithmetic without overflow and underflow, which the callers arrange by
// keeping their operands within [2^-900, 2^900] or sending the rest to the
// quad path. The library is built with -ffp-contract=off: a fused
// multiply-add the compiler chose by itself would break them.
//
// Error bounds, u = 2^-53 (relative to the exact result of the same
// operation on the double-double operands):
//   add           3 u^2     (accurate sum, also under cancellation)
//   addDouble     2 u^2
//   mulDouble     2 u^2
//   mul           5 u^2
//   div          2^-104
//   sqrt          4 u^2
// All of them are below 2^-101, far under the 2^-66 .. 2^-73 of the
// polynomial parts; a routine that combines kernels with them adds the
// rounding decision's `slack` (roundingdecision.h), which covers a few
// dozen of them.

namespace quorvex::fast {

struct DD {
  double hi;
  double lo;
};

// a + b = s + e exactly (Knuth).
inline DD twoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// a + b = s + e exactly when a == 0 or exponent(a) >= exponent(b) (Dekker).
inline DD fastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a * b = p + e exactly, |a|, |b| < 2^995 and |a b| above 2^-969.
inline DD twoProd(double a, double b) {
  const double p = a * b;
#ifdef __FMA__
  return {p, std::fma(a, b, -p)};
#else
  // Veltkamp's split into 26-bit halves, then Dekker's product.
  constexpr double splitter = 134217729.0; // 2^27 + 1
  double t = splitter * a;
  const double ah = t - (t - a);
  const double al = a - ah;
  t = splitter * b;
  const double bh = t - (t - b);
  const double bl = b - bh;
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
#endif
}

// x y + z: one fused operation where the instruction is available, a
// product and a sum elsewhere. The kernels' bounds count two roundings,
// which covers both.
inline double mulAdd(double x, double y, double z) {
#ifdef __FMA__
  return std::fma(x, y, z);
#else
  return x * y + z;
#endif
}

// v with its last `dropped` significand bits cleared, and the exact rest:
// a head of 53 - dropped bits whose products with short factors are
// exact, which is cheaper than a full twoProd.
inline DD splitBits(double v, int dropped) {
  const auto bits = std::bit_cast<unsigned long long>(v);
  const auto head = std::bit_cast<double>(bits & ~((1ull << dropped) - 1));
  return {head, v - head};
}

inline DD neg(DD a) {
  return {-a.hi, -a.lo};
}

inline DD scale(DD a, double powerOfTwo) {
  return {a.hi * powerOfTwo, a.lo * powerOfTwo};
}

inline DD add(DD a, DD b) {
  DD s = twoSum(a.hi, b.hi);
  const DD t = twoSum(a.lo, b.lo);
  s = fastTwoSum(s.hi, s.lo + t.hi);
  return fastTwoSum(s.hi, s.lo + t.lo);
}

inline DD addDouble(DD a, double b) {
  const DD s = twoSum(a.hi, b);
  return fastTwoSum(s.hi, s.lo + a.lo);
}

inline DD sub(DD a, DD b) {
  return add(a, neg(b));
}

inline DD mulDouble(DD a, double b) {
  const DD p = twoProd(a.hi, b);
  return fastTwoSum(p.hi, p.lo + a.lo * b);
}

inline DD mul(DD a, DD b) {
  const DD p = twoProd(a.hi, b.hi);
  return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

inline DD square(DD a) {
  const DD p = twoProd(a.hi, a.hi);
  return fastTwoSum(p.hi, p.lo + 2 * a.hi * a.lo);
}

// a / b with one division: the first digit from the reciprocal of b.hi is
// within 2u of the quotient, its remainder a - b q is formed exactly
// (a.hi - p.hi is exact by Sterbenz), and the second digit, the
// remainder times the reciprocal, carries the quotient to 2^-104.
inline DD div(DD a, DD b) {
  const double inverse = 1 / b.hi;
  const double q = a.hi * inverse;
  const DD p = mulDouble(b, q);
  const double r = ((a.hi - p.hi) - p.lo) + a.lo;
  return fastTwoSum(q, r * inverse);
}

inline DD recip(DD b) {
  return div({1, 0}, b);
}

// sqrt(a) for a > 0: the double root and one Newton correction.
inline DD sqrt(DD a) {
  const double s = std::sqrt(a.hi);
  const DD p = twoProd(s, s);
  const double r = ((a.hi - p.hi) - p.lo) + a.lo;
  return fastTwoSum(s, r / (2 * s));
}

// 2^k for -1022 <= k <= 1023, built from its bits.
inline double powerOfTwo(int k) {
  return std::bit_cast<double>(static_cast<std::uint64_t>(k + 1023) << 52);
}

// Nearest integer of |v| < 2^51 in the default rounding mode, without a
// library call: adding 1.5 * 2^52 leaves no fraction bits.
inline double nearestInteger(double v) {
  constexpr double shifter = 0x1.8p52;
  return (v + shifter) - shifter;
}

} // namespace quorvex::fast
