#pragma once

#include <bit>
#include <cmath>

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
//   Add           3 u^2     (accurate sum, also under cancellation)
//   AddSameSign   2 u^2     (operands of one sign)
//   AddDouble     2 u^2
//   MulDouble     2 u^2
//   Mul           5 u^2
//   Div          2^-104
//   Sqrt          4 u^2
// All of them are below 2^-101, far under the 2^-66 .. 2^-70 of the
// polynomial parts, and the kernels add them into their bounds as 2^-100
// each.

namespace quorvex::fast {

struct DD {
  double hi;
  double lo;
};

// a + b = s + e exactly (Knuth).
inline DD TwoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// a + b = s + e exactly when a == 0 or exponent(a) >= exponent(b) (Dekker).
inline DD FastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a * b = p + e exactly, |a|, |b| < 2^995 and |a b| above 2^-969.
inline DD TwoProd(double a, double b) {
  const double p = a * b;
#ifdef __FMA__
  return {p, std::fma(a, b, -p)};
#else
  // Veltkamp's split into 26-bit halves, then Dekker's product.
  constexpr double Splitter = 134217729.0; // 2^27 + 1
  double t = Splitter * a;
  const double ah = t - (t - a);
  const double al = a - ah;
  t = Splitter * b;
  const double bh = t - (t - b);
  const double bl = b - bh;
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
#endif
}

// x y + z: one fused operation where the instruction is available, a
// product and a sum elsewhere. The kernels' bounds count two roundings,
// which covers both.
inline double MulAdd(double x, double y, double z) {
#ifdef __FMA__
  return std::fma(x, y, z);
#else
  return x * y + z;
#endif
}

inline DD Normalize(double hi, double lo) { return FastTwoSum(hi, lo); }

// v with its last `dropped` significand bits cleared, and the exact rest:
// a head of 53 - dropped bits whose products with short factors are
// exact, which is cheaper than a full TwoProd.
inline DD SplitBits(double v, int dropped) {
  const auto bits = std::bit_cast<unsigned long long>(v);
  const double head = std::bit_cast<double>(bits & ~((1ull << dropped) - 1));
  return {head, v - head};
}

inline DD Neg(DD a) { return {-a.hi, -a.lo}; }

inline DD Scale(DD a, double powerOfTwo) { return {a.hi * powerOfTwo, a.lo * powerOfTwo}; }

inline DD Add(DD a, DD b) {
  DD s = TwoSum(a.hi, b.hi);
  const DD t = TwoSum(a.lo, b.lo);
  s = FastTwoSum(s.hi, s.lo + t.hi);
  return FastTwoSum(s.hi, s.lo + t.lo);
}

// a + b when a and b have the same sign (or one is 0): nothing cancels,
// so the cheaper sum keeps 2u^2.
inline DD AddSameSign(DD a, DD b) {
  const DD s = TwoSum(a.hi, b.hi);
  return FastTwoSum(s.hi, s.lo + (a.lo + b.lo));
}

inline DD AddDouble(DD a, double b) {
  const DD s = TwoSum(a.hi, b);
  return FastTwoSum(s.hi, s.lo + a.lo);
}

inline DD Sub(DD a, DD b) { return Add(a, Neg(b)); }

inline DD MulDouble(DD a, double b) {
  const DD p = TwoProd(a.hi, b);
  return FastTwoSum(p.hi, p.lo + a.lo * b);
}

inline DD Mul(DD a, DD b) {
  const DD p = TwoProd(a.hi, b.hi);
  return FastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

inline DD Square(DD a) {
  const DD p = TwoProd(a.hi, a.hi);
  return FastTwoSum(p.hi, p.lo + 2 * a.hi * a.lo);
}

// a / b with one division: the first digit from the reciprocal of b.hi is
// within 2u of the quotient, its remainder a - b q is formed exactly
// (a.hi - p.hi is exact by Sterbenz), and the second digit, the
// remainder times the reciprocal, carries the quotient to 2^-104.
inline DD Div(DD a, DD b) {
  const double inverse = 1 / b.hi;
  const double q = a.hi * inverse;
  const DD p = MulDouble(b, q);
  const double r = ((a.hi - p.hi) - p.lo) + a.lo;
  return FastTwoSum(q, r * inverse);
}

inline DD Recip(DD b) { return Div({1, 0}, b); }

// sqrt(a) for a > 0: the double root and one Newton correction.
inline DD Sqrt(DD a) {
  const double s = std::sqrt(a.hi);
  const DD p = TwoProd(s, s);
  const double r = ((a.hi - p.hi) - p.lo) + a.lo;
  return FastTwoSum(s, r / (2 * s));
}

// The rounding test. v approximates a value f with |v - f| <= eps |v.hi|
// + abs. When both ends of that interval round to the same double, so
// does f (rounding is monotonic), and that double is stored in out.
// Forming v.lo +- err rounds by at most 2^-106 |v.hi|, and the bound's own
// computation by its relative 2^-52: Widened covers both. Results below
// 2^-969 are never decided here: their low part would be subnormal and
// the operations above no longer exact.
constexpr double Widened(double eps) { return eps * (1 + 0x1p-40) + 0x1p-104; }

inline bool RoundsTo(DD v, double eps, double abs, double &out) {
  const double magnitude = std::fabs(v.hi);
  if (!(magnitude >= 0x1p-969))
    return false;
  const double err = Widened(eps) * magnitude + abs * (1 + 0x1p-40);
  const double up = v.hi + (v.lo + err);
  const double down = v.hi + (v.lo - err);
  if (up != down)
    return false;
  out = up;
  return true;
}

// The relative bound alone; the absolute term folds away when inlined.
inline bool RoundsTo(DD v, double eps, double &out) { return RoundsTo(v, eps, 0, out); }

} // namespace quorvex::fast
