#pragma once

// The fast paths' kernels, inline so that each routine keeps its whole
// computation in registers; the larger ones are forced inline, since a
// call would return their double-double results through memory. The
// derivation of every bound is next to its kernel; the slower, more
// precise kernels are in kernels.h.

#include "doubledouble.h"
#include "tables.h"

#include <bit>
#include <cstdint>

namespace quorvex::fast {

// 2^k for -1022 <= k <= 1023, built from its bits.
inline double powerOfTwo(int k) {
  return std::bit_cast<double>(static_cast<std::uint64_t>(k + 1023) << 52);
}

// Nearest integer of |v| < 2^51 in the default rounding mode, without a
// library call: adding 1.5 * 2^52 leaves no fraction bits.
inline double nearestInteger(double v) {
  constexpr double Shifter = 0x1.8p52;
  return (v + Shifter) - Shifter;
}



// The rounding test for a result m 2^k with |m| in [2^-8, 2^8): decides
// RN(m) and scales it, or refuses when the result could be subnormal.
// Overflow gives infinity, which the caller reports.
inline bool RoundsScaled(DD m, double eps, int k, double &out) {
  if (k < -1014)
    return false;
  // |m| >= 2^-8 needs no check against the subnormal range.
  const double err = Widened(eps) * std::fabs(m.hi);
  const double rounded = m.hi + (m.lo + err);
  if (rounded != m.hi + (m.lo - err))
    return false;
  out = k <= 1023 ? rounded * powerOfTwo(k) : rounded * 0x1p1023 * powerOfTwo(k - 1023);
  return true;
}


// --- exp ---------------------------------------------------------------------
//
// x = n ln2/256 + r with n the nearest integer to 256 x/ln2, so |r| <=
// ln2/512 (1 + 2^-40) < 2^-9.5 once the rounding of the product is
// allowed for. n = 256 k + j. x - n L0 is exact: n L0 is (34 + 19 bits)
// and lies within a factor 2 of x whenever n != 0 (Sterbenz). n L1 is
// exact too, and so is its sum with the rest as a TwoSum; what remains,
// xlo - n L2 with |n L2| < 2^-60, rounds by under 2^-97, which is the
// reduction's whole error.
struct ExpScaled {
  DD m;
  int k;
};
inline constexpr double ExpFastEps = 0x1p-69;

// The fast e^x for a double x (xlo = 0), and e^r
// evaluated as 1 + rh + q, q = rl (1 + rh + rh^2/2) + rh^2 (1/2 + ... +
// rh^4/720) in double: q < 2^-19.9, the Taylor remainder r^7/7! < 2^-78.8,
// and the roundings of q stay under 4.1u |q| = 2^-70.9 (rh^2's, the
// polynomial's 1.1u, the product's, and the sum's). T (1 + rh + q) = T1 +
// T1 ra + (T1 (rb + q) + T2 (1 + rh + q)) with T1 the table's head cut to
// 27 bits and ra rh cut to 26, so T1 ra is exact; the rest is below 2^-19
// and summed with under 2^-72.5 of rounding. With the table's 2^-106 the
// total stays below 2^-70.5 relative: ExpFastEps = 2^-69.
//
// The same for a double-double argument x + xlo (|xlo| <= 1.5 2^-43, as
// power's unnormalized ones below 745.5): the low part joins rl, which
// stands for the factor e^rl = 1 + rl + ..., so its term is rl e^rh; rl
// (1 + rh + rh^2/2) leaves out rl rh^3/6 < 2^-73.5 (2^-93 when x is a
// double and rl the reduction's own low part). The total stays below
// 2^-70.2 then.
[[gnu::always_inline]] inline ExpScaled ExpFast(double x, double xlo = 0) {
  const double nd = nearestInteger(x * Log2eTimes256);
  const double t = x - nd * Ln2Over256[0];
  const DD r = TwoSum(t, -nd * Ln2Over256[1]);
  const double rh = r.hi;
  const double rl = r.lo + (xlo - nd * Ln2Over256[2]);
  const double polynomial =
      MulAdd(rh, MulAdd(rh, MulAdd(rh, MulAdd(rh, 1.0 / 720, 1.0 / 120), 1.0 / 24), 1.0 / 6), 0.5);
  const double q = MulAdd(rl, MulAdd(rh, MulAdd(rh, 0.5, 1), 1), (rh * rh) * polynomial);
  const auto n = static_cast<int>(nd);
  const ExpSplitEntry &table = ExpSplitTable[n & 255];
  const DD ra = SplitBits(rh, 27);
  const DD head = FastTwoSum(table.head, table.head * ra.hi);
  const double t2 = table.tail;
  const double rest = head.lo + (table.head * (ra.lo + q) + t2 * (1 + (rh + q)));
  return {FastTwoSum(head.hi, rest), n >> 8};
}

// e^x and e^-x from one reduction: e^-x = 2^(-n/256) e^-r, and e^-r's
// polynomial is e^r's with the odd part negated, q+- = +-rl (1 +- rh) +
// rh^2 (even +- odd). Each mantissa is formed as in ExpFast, with the
// table entry of -n and -ra; leaving out rl rh^2/2 (rl below 2^-62 for a
// double x) costs 2^-82, and the even and odd sums add u each: q's
// roundings stay under 5.1u |q| = 2^-70.6, the whole below 2^-70.2 for
// either. The mantissas are left as a head and a rest below 2^-19 of it,
// for PairSum to add; minus carries 2^-k, not 2^-(n >> 8 of -n): half the
// table value when n is not a multiple of 256.
struct ExpPair {
  double plusHead, plusRest;   // e^x 2^-k
  double minusHead, minusRest; // e^-x 2^k
  int k;
};

[[gnu::always_inline]] inline ExpPair ExpBoth(double x) {
  const double nd = nearestInteger(x * Log2eTimes256);
  const double t = x - nd * Ln2Over256[0];
  const DD r = TwoSum(t, -nd * Ln2Over256[1]);
  const double rh = r.hi;
  const double rl = r.lo - nd * Ln2Over256[2];
  const double h2 = rh * rh;
  const double even = MulAdd(h2, MulAdd(h2, 1.0 / 720, 1.0 / 24), 0.5);
  const double odd = rh * MulAdd(h2, 1.0 / 120, 1.0 / 6);
  const double lowOdd = rl * rh;
  const double qPlus = MulAdd(h2, even + odd, rl + lowOdd);
  const double qMinus = MulAdd(h2, even - odd, lowOdd - rl);
  const auto n = static_cast<int>(nd);
  const ExpSplitEntry &tp = ExpSplitTable[n & 255];
  const ExpSplitEntry &tm = ExpSplitTable[-n & 255];
  const DD ra = SplitBits(rh, 27);
  const DD headPlus = FastTwoSum(tp.head, tp.head * ra.hi);
  const double restPlus = headPlus.lo + (tp.head * (ra.lo + qPlus) + tp.tail * (1 + (rh + qPlus)));
  const DD headMinus = FastTwoSum(tm.head, -(tm.head * ra.hi));
  const double restMinus =
      headMinus.lo + (tm.head * (qMinus - ra.lo) + tm.tail * (1 + (qMinus - rh)));
  const double half = (n & 255) == 0 ? 1 : 0.5;
  return {headPlus.hi, restPlus, half * headMinus.hi, half * restMinus, n >> 8};
}

// (e^x + sign e^-x) 2^-k for k < 60 and sign +-1, where the difference,
// if any, cancels by at most a factor 2.17 (x >= 1/2): the heads' sum is
// exact, and the rests' sum rounds by u 2^-19 of the terms, 2^-72; with
// the mantissas' 2^-70.2 that is below ExpFastEps of the sum and 2.17
// ExpFastEps of the difference.
[[gnu::always_inline]] inline DD PairSum(const ExpPair &e, double sign) {
  const double f = sign * powerOfTwo(-2 * e.k);
  const DD s = TwoSum(e.plusHead, f * e.minusHead);
  return FastTwoSum(s.hi, s.lo + (e.plusRest + f * e.minusRest));
}

// --- log ---------------------------------------------------------------------

// m c - 1 exactly, for m in [1, 2) and the table's 9-bit c: m = mh + ml
// with mh of 44 bits, so mh c and ml c are exact, mh c - 1 is exact by
// Sterbenz, and the sum is exact because m c - 1 = (M C - 2^61) 2^-61
// with |M C - 2^61| < 2^53.
inline double exactReduction(double m, double c) {
#ifdef __FMA__
  return std::fma(m, c, -1);
#else
  const DD split = SplitBits(m, 9);
  return (split.hi * c - 1) + split.lo * c;
#endif
}

struct LogArgument {
  int e;
  double r;
  const LogEntry *entry;
  double scale; // 2^-e0 for x = 2^e0 m, when x is normal and below 2^1022
};

// x = 2^e m with the table entry for m and r = m c - 1.
inline LogArgument reduceLog(double x) {
  auto bits = std::bit_cast<std::uint64_t>(x);
  int e = static_cast<int>(bits >> 52) - 1023;
  if (e == -1023) { // subnormal: scale into the normal range exactly
    bits = std::bit_cast<std::uint64_t>(x * 0x1p54);
    e = static_cast<int>(bits >> 52) - 1023 - 54;
  }
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  const auto i = static_cast<unsigned>((fraction + (std::uint64_t{1} << 43)) >> 44);
  const double m = std::bit_cast<double>(fraction | (std::uint64_t{1023} << 52));
  const LogEntry &entry = LogTable[i];
  const double scale = std::bit_cast<double>((std::uint64_t{2046} << 52) - (bits & (std::uint64_t{2047} << 52)));
  return {i > 106 ? e + 1 : e, exactReduction(m, entry.inverse), &entry, scale};
}

// The fast ln: ln(1 + r) = r - r^2/2 + r^3/3 - ... + r^9/9, next term
// below 2^-78 relative to r (|r| < 2^-8.3). r^2 = ra^2 + (2 ra rb + rb^2)
// with ra of 26 bits is exact in its head; r^3 = r ra^2 + r (2 ra rb +
// rb^2) has an exact product for its head and is divided by 3 with its
// exact remainder (3q = 2q + q as a TwoSum), so r - r^2/2 + r^3/3 is a
// double-double to 2^-100 relative to r. The quartic and higher part,
// below 2^-24.9 relative to r, carries 4u: 2^-76 relative to r; the low
// sum of the tails (of ln 2 and of the table, below 2^-33) rounds by under
// 2^-86 absolute. With e = 0 the table value and r can have opposite signs
// and be within a factor 1.3 (c is rounded to 9 bits), so the result may be
// a quarter of |r| and at least 2^-10: 2^-74 relative at worst. With e != 0
// nothing cancels. LogFastEps = 2^-73 (measured: 2^-76.4).
[[gnu::always_inline]] inline DD LogFast(double x) {
  const LogArgument a = reduceLog(x);
  const double r = a.r;
  const DD ra = SplitBits(r, 27);
  const double z = ra.hi * ra.hi;
  const double zl = (2 * ra.hi + ra.lo) * ra.lo;
  const DD cube = TwoProd(r, z);
  const double third = cube.hi * (1.0 / 3);
  const DD threeThirds = TwoSum(2 * third, third);
  const double thirdLo =
      ((cube.hi - threeThirds.hi) - threeThirds.lo + (cube.lo + r * zl)) * (1.0 / 3);
  const double r2 = r * r;
  const double higher =
      r2 * r2 * (-0.25 + r * (0.2 + r * (-1.0 / 6 + r * (1.0 / 7 + r * (-0.125 + r * (1.0 / 9))))));
  const DD lead = FastTwoSum(r, -0.5 * z);
  const DD withCube = TwoSum(lead.hi, third);
  const auto ed = static_cast<double>(a.e);
  const double table = ed * Ln2Parts[0] + a.entry->minusLog.hi;
  const DD sum = TwoSum(table, withCube.hi);
  const double lo =
      sum.lo + (withCube.lo + (lead.lo + ((thirdLo - 0.5 * zl) + higher)) +
                (a.entry->minusLog.lo + ed * Ln2Parts[1]));
  return FastTwoSum(sum.hi, lo);
}

inline constexpr double LogFastEps = 0x1p-73;

// A logarithm with its error bound: |v - ln x| <= eps |v.hi| + abs.
struct BoundedLog {
  DD v;
  double eps;
  double abs;
};

// Where the table part vanishes (x within 2^-9 of 1), the error is
// relative; elsewhere mostly absolute (see LogShort).
inline constexpr double LogNearOneEps = 0x1p-68;
inline constexpr double LogShortEps = 0x1p-82;
inline constexpr double LogShortAbs = 0x1.8p-77;

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
// (the 2^-42 grid), its sum with r - z/2 an exact TwoSum; the low sum
// gathers the tails of ln 2 (up to |e| 2^-43) and of the table (2^-43),
// rl and the exact sums' errors, and adds the tail last: its roundings
// stay below (1 + |e|) 2^-93.4 + 2^-79.5. ln 2's third piece is left out:
// |e| 2^-84.5. With |e| <= 3 |ln x| (x lies within a factor sqrt 2 of
// 2^e) the whole error is below 2^-76.62 + 2^-82.97 |ln x|: LogShortAbs
// and LogShortEps. Where E = 0 (e = 0 and c = 1 or 1/2, x within 2^-9 of
// 1) the table's terms vanish exactly and ln x is within a factor 1 -
// 2^-9.3 of r: the tail's 2^-68.7, the final sum's u 2^-18.2 = 2^-71.2
// and rl's 2^-74, relative: 2^-68.2, LogNearOneEps = 2^-68.
// ln(1 + r) less its higher terms' rounding as lead + tail: the exact
// double-double r - z/2 and the tail in doubles.
struct LogSeries {
  DD lead;
  double tail;
};

[[gnu::always_inline]] inline LogSeries logSeries(double r) {
#ifdef __FMA__
  const DD square = TwoProd(r, r);
  const double z = square.hi;
  const double zl = square.lo;
#else
  const DD ra = SplitBits(r, 27);
  const double z = ra.hi * ra.hi;
  const double zl = (2 * ra.hi + ra.lo) * ra.lo;
#endif
  const double r2 = r * r;
  const double polynomial =
      MulAdd(r, MulAdd(r2 * r2, MulAdd(r, 1.0 / 9, -0.125),
                       MulAdd(r2, MulAdd(r, 1.0 / 7, -1.0 / 6), MulAdd(r, 0.2, -0.25))),
             1.0 / 3);
  return {FastTwoSum(r, -0.5 * z), (r * r2) * polynomial - 0.5 * zl};
}

template <bool WithLow>
[[gnu::always_inline]] inline BoundedLog logShort(double x, double xlo) {
  const LogArgument a = reduceLog(x);
  const double r = a.r;
  const LogSeries series = logSeries(r);
  const auto ed = static_cast<double>(a.e);
  const double table = ed * Ln2Parts[0] + a.entry->minusLog.hi;
  const DD sum = TwoSum(table, series.lead.hi);
  double small = a.entry->minusLog.lo + ed * Ln2Parts[1];
  if constexpr (WithLow) {
    const double rl = xlo * (a.entry->inverse * a.scale);
    small += rl * MulAdd(r, MulAdd(r, 1 - r, -1), 1);
  }
  const double lo = (sum.lo + (series.lead.lo + small)) + series.tail;
  const bool nearOne = table == 0;
  return {FastTwoSum(sum.hi, lo), nearOne ? LogNearOneEps : LogShortEps,
          nearOne ? 0 : LogShortAbs};
}

[[gnu::always_inline]] inline BoundedLog LogShort(double x) { return logShort<false>(x, 0); }
[[gnu::always_inline]] inline BoundedLog LogShort(DD x) { return logShort<true>(x.hi, x.lo); }

// The bound as a relative one: the absolute part applies only where
// |ln x| >= 2^-10, so 2^10 abs covers it (2^-66.4). The logarithms decide
// with it; power, whose exponent multiplies the absolute part, keeps both.
inline double RelativeBound(const BoundedLog &l) { return l.eps + 0x1p10 * l.abs; }

// log2 x = e + T2 + ln(1 + r)/ln 2 for a double x, with T2 = -log2 c
// (less 1 above sqrt 2) from Log2Table, whose head on the 2^-42 grid makes
// e + head exact. The series is LogShort's, with its error: below 2^-76.9
// + 2^-86.3 absolute, or 2^-68.7 relative to it where the table part
// vanishes; times 1/ln 2 < 1.443. The lead's head times 1/ln 2's head is
// an exact product; the lead's rest and the tail times that head, the
// head times 1/ln 2's tail, and adding the sum last round by under 2^-77.5
// in all (three u of the tail, 2^-71.2 of the value where the table part
// vanishes). So 2^-75.9 absolute (2^-75.5, and over |log2 x| >= 2^-9.47
// relative 2^-66), or 2^-68.1 relative where x is within 2^-9 of 1
// (2^-67.5). The bound is relative only (abs = 0).
inline constexpr double Log2NearOneEps = 0x1.6ap-68;
inline constexpr double Log2RelativeEps = 0x1p-66;

[[gnu::always_inline]] inline BoundedLog Log2Short(double x) {
  const LogArgument a = reduceLog(x);
  const LogSeries series = logSeries(a.r);
  const DD &t2 = Log2Table[a.entry - LogTable];
  const DD p = TwoProd(series.lead.hi, InvLn2DD.hi);
  const double low = (series.lead.lo + series.tail) * InvLn2DD.hi + series.lead.hi * InvLn2DD.lo;
  const double table = a.e + t2.hi;
  const DD sum = TwoSum(table, p.hi);
  return {FastTwoSum(sum.hi, (sum.lo + (p.lo + t2.lo)) + low),
          table == 0 ? Log2NearOneEps : Log2RelativeEps, 0};
}

// --- sin and cos -------------------------------------------------------------

// x = n pi/512 + r modulo 2 pi, |r| <= pi/1024 (1 + 2^-40), to the relative
// 2^-100 and the absolute absError.
struct TrigReduced {
  unsigned n; // modulo 1024
  DD r;
  double absError;
};
inline constexpr double SinCosEps = 0x1p-67;

// From 2^12 on (kernels.cpp).
TrigReduced ReduceTrigWide(double ax);

// Below 2^12, n < 2^20 and two 33-bit pieces of pi/512 give exact
// products: x - n S0 is exact, its sum with -n S1 an exact TwoSum, and
// n S2 rounds by 2^-107 while the pieces miss pi/512 by 2^-126: an absolute
// error below 2^-105, which matters only within 2^-38 of a multiple of pi
// (a few thousand arguments), where the rounding test then defers to the
// quad path.
inline TrigReduced ReduceTrig(double ax) {
  if (!(ax < 0x1p12))
    return ReduceTrigWide(ax);
  const double nd = nearestInteger(ax * InvPiOver512);
  if (nd == 0)
    return {0, {ax, 0}, 0};
  const DD r = TwoSum(ax - nd * PiOver512Short[0], -nd * PiOver512Short[1]);
  return {static_cast<unsigned>(static_cast<std::int64_t>(nd) & 1023),
          {r.hi, r.lo - nd * PiOver512Short[2]}, 0x1p-105};
}

// sin(a + r) and cos(a + r) for a = j pi/512, 0 <= j < 256, |r| <= pi/1024
// (2^-8.35), from the table's sin a and cos a:
//   sin(a + r) = sin a + cos a sin r + sin a (cos r - 1)
//   cos(a + r) = cos a - sin a sin r + cos a (cos r - 1)
// sin r = r - r^3/6 + ... - r^7/5040 + r^9/9! (next term 2^-88 relative)
// and cos r - 1 = -r^2/2 + ... + r^8/8! (next term 2^-105), both in double
// from z = rh^2. The product of the table's head (cut to 27 bits) with rh
// (cut to 26) is exact, and so is its sum with the other table value
// (|sin a| >= 2|r| whenever it is not 0); every other term is below
// 2^-17.7 of the result and carries at most 2u. For j > 0 the result is
// at least sin(pi/1024) and at least half the larger table value, so
// those roundings stay under 2^-68.5 relative; for j = 0 the result is
// sin r or cos r, where the cubic term (2^-19.3 relative to r, computed
// with 3u) gives 2^-70.7. SinCosEps = 2^-67.
struct Pieces {
  double rh, rl, sinTail, cosMinusOne;
};

inline Pieces piecesOf(const DD &r) {
  const double rh = r.hi;
  const double rl = r.lo;
  const double z = rh * rh;
  const double sinTail =
      rl + rh * z * (-1.0 / 6 + z * (1.0 / 120 + z * (-1.0 / 5040 + z * (1.0 / 362880)))) -
      0.5 * z * rl;
  const double cosMinusOne =
      -rh * rl + z * (-0.5 + z * (1.0 / 24 + z * (-1.0 / 720 + z * (1.0 / 40320))));
  return {rh, rl, sinTail, cosMinusOne};
}

// u + v sin r + u (cos r - 1) for the table pair (u, v) = (sin a, cos a)
// or, with v negated, (cos a, -sin a).
inline DD combine(const DD &u, const DD &v, const Pieces &p) {
  const DD vSplit = SplitBits(v.hi, 26);
  const DD rSplit = SplitBits(p.rh, 27);
  const DD head = FastTwoSum(u.hi, vSplit.hi * rSplit.hi);
  const double small = head.lo + (u.lo + (vSplit.hi * rSplit.lo + (vSplit.lo + v.lo) * p.rh) +
                                  v.hi * p.sinTail + u.hi * p.cosMinusOne);
  return FastTwoSum(head.hi, small);
}

inline DD sinPart(unsigned j, const Pieces &p) { return combine(SinTable[j], SinTable[256 - j], p); }
inline DD cosPart(unsigned j, const Pieces &p) { return combine(SinTable[256 - j], Neg(SinTable[j]), p); }

[[gnu::always_inline]] inline DD SinOf(const TrigReduced &t) {
  const Pieces p = piecesOf(t.r);
  const unsigned j = t.n & 255;
  switch ((t.n >> 8) & 3) {
  case 0: return sinPart(j, p);
  case 1: return cosPart(j, p);
  case 2: return Neg(sinPart(j, p));
  default: return Neg(cosPart(j, p));
  }
}

[[gnu::always_inline]] inline DD CosOf(const TrigReduced &t) {
  const Pieces p = piecesOf(t.r);
  const unsigned j = t.n & 255;
  switch ((t.n >> 8) & 3) {
  case 0: return cosPart(j, p);
  case 1: return Neg(sinPart(j, p));
  case 2: return Neg(cosPart(j, p));
  default: return sinPart(j, p);
  }
}

[[gnu::always_inline]] inline void SinCosOf(const TrigReduced &t, DD &s, DD &c) {
  const Pieces p = piecesOf(t.r);
  const unsigned j = t.n & 255;
  const DD sj = sinPart(j, p);
  const DD cj = cosPart(j, p);
  switch ((t.n >> 8) & 3) {
  case 0: s = sj; c = cj; break;
  case 1: s = cj; c = Neg(sj); break;
  case 2: s = Neg(sj); c = Neg(cj); break;
  default: s = Neg(cj); c = sj; break;
  }
}


// --- atan --------------------------------------------------------------------

inline constexpr double AtanEps = 0x1p-68;

//
// atan(n/d) = atan c + atan t with c = i/256 nearest n/d and
// t = (n - c d)/(d + c n), which never forms n/d itself: c has at most 9
// bits, so with d and n cut to 44-bit heads the products are exact,
// n - c d_head is exact by Sterbenz for i > 0, and the tails of n and d
// enter with u^2-sized roundings; one double-double quotient (2^-104)
// gives t, |t| <= 2^-9 (1 + 2^-40). atan t = t - t^3/3 + ... + t^9/9
// (next term 2^-75 relative to t); the cubic and higher part, 2^-19.6
// relative to t, is evaluated in double with 3u: 2^-71 relative to t. The
// result is at least |t| (i = 0) or at least atan(1/256) - 2^-9 > |t|,
// and the final sums add under 2^-72: AtanEps = 2^-68 covers that and the
// table's 2^-106.
[[gnu::always_inline]] inline DD AtanQuotient(DD num, DD den) {
  const auto i = static_cast<unsigned>(nearestInteger(num.hi / den.hi * 256));
  DD t{};
  if (i == 0) {
    t = Div(num, den);
  } else {
    const double c = i * (1.0 / 256);
    const DD d = SplitBits(den.hi, 9);
    const DD n = SplitBits(num.hi, 9);
    const DD numerator = TwoSum(num.hi - c * d.hi, (num.lo - c * den.lo) - c * d.lo);
    const DD sum = TwoSum(den.hi, c * n.hi);
    const DD denominator = FastTwoSum(sum.hi, sum.lo + (c * n.lo + (den.lo + c * num.lo)));
    t = Div(numerator, denominator);
  }
  const double th = t.hi;
  const double z = th * th;
  const double tail = t.lo + th * z * (-1.0 / 3 + z * (0.2 + z * (-1.0 / 7 + z * (1.0 / 9))));
  if (i == 0)
    return FastTwoSum(th, tail);
  const DD &table = AtanTable[i];
  const DD head = FastTwoSum(table.hi, th);
  return FastTwoSum(head.hi, head.lo + (table.lo + tail));
}

inline DD Atan(DD u) { return AtanQuotient(u, {1, 0}); }

// Whichever of num/den and den/num is at most 1 goes to AtanQuotient;
// pi/2 - atan of the reciprocal loses nothing since atan <= pi/4 there.
[[gnu::always_inline]] inline DD AtanRatio(DD num, DD den) {
  if (num.hi <= den.hi)
    return AtanQuotient(num, den);
  const DD v = AtanQuotient(den, num);
  const DD head = TwoSum(HalfPiDD.hi, -v.hi);
  return FastTwoSum(head.hi, head.lo + (HalfPiDD.lo - v.lo));
}

// --- asin, atan, sinh, cosh and tanh from tables of Taylor polynomials -------

inline constexpr double AsinEps = 0x1p-68;
inline constexpr double AtanTaylorEps = 0x1p-67;
inline constexpr double SinhTaylorEps = 0x1p-68;
inline constexpr double CoshTaylorEps = 0x1p-68;
inline constexpr double TanhTaylorEps = 0x1p-67;

// base + scale f(s + d) for f's Taylor table (AsinTable for 0 <= s <=
// 1/2, AtanTaylorTable for s <= 1, SinhTaylorTable for s < 1/2,
// CoshTaylorTable for s < 1, TanhTaylorTable for s < 0.55), |d| <= 2^-52 s (the low part of a square
// root or quotient, or 0), base 0, HalfPiOnGrid or twice it, and scale +-1
// or +-2, where base + scale f(c) below is 0, f(c) itself, or at least
// pi/4 - 2^-8. The error is below eps |scale f(s + d)| + 2^-95, eps the
// table's own (the constants above); the second term is there only where
// the result is at least 2^-9, and fits in eps's margin there.
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
// round by under 2^-95. In all 2^-68.47, eps = 2^-68 (atan and tanh:
// 2^-67.47, eps = 2^-67).
[[gnu::always_inline]] inline DD offsetTaylor(const TaylorEntry &e, const DD &base, double scale,
                                              double t, double d) {
  const double *a = e.higher;
  const double t2 = t * t;
  const double rest = MulAdd(t2 * t2, MulAdd(t, a[6], a[5]),
                             MulAdd(t2, MulAdd(t, a[4], a[3]), MulAdd(t, a[2], a[1])));
  const double higher = t2 * MulAdd(t, rest, a[0]);
  const double correction = d * MulAdd(t, MulAdd(t, 3 * a[1], 2 * a[0]), e.slope.hi);
  const DD p = TwoProd(e.slope.hi, t);
  const DD head = FastTwoSum(base.hi + scale * e.value.hi, scale * p.hi);
  const double small = base.lo + scale * (e.value.lo + (p.lo + (e.slope.lo * t + correction)));
  return FastTwoSum(head.hi, (head.lo + small) + scale * higher);
}

[[gnu::always_inline]] inline DD OffsetTaylor(const TaylorEntry *table, const DD &base,
                                              double scale, double s, double d) {
  const double nd = nearestInteger(s * 256);
  return offsetTaylor(table[static_cast<unsigned>(nd)], base, scale, s - nd * (1.0 / 256), d);
}

// f(s) itself.
[[gnu::always_inline]] inline DD TaylorValue(const TaylorEntry *table, double s) {
  return OffsetTaylor(table, {0, 0}, 1, s, 0);
}

} // namespace quorvex::fast
