#pragma once

#include "doubledouble.h"
#include "exponentialtables.h"
#include "trigonometrictables.h"

#include <bit>
#include <cstdint>

// The argument reductions the fast paths start from: x = n ln2/256 + r for
// e^x, x = 2^e m with a table entry for m for the logarithms, and x = n
// pi/512 + r for sine and cosine. Each states how far its reduced argument
// is from the exact one; the kernels' bounds (tools/math_bounds.py) count
// that error.

namespace quorvex::fast {

// --- exp ---------------------------------------------------------------------
//
// x = n ln2/256 + r with n the nearest integer to 256 x/ln2, so |r| <=
// ln2/512 (1 + 2^-33) < 2^-9.5 once the rounding of the product is
// allowed for. n = 256 k + j. x - n L0 is exact: n L0 is (34 + 19 bits)
// and lies within a factor 2 of x whenever n != 0 (Sterbenz). n L1 is
// exact too, and so is its sum with the rest as a twoSum; what remains,
// xlo - n L2 with |n L2| < 2^-60, rounds by under 2^-112 for a double x
// and 2^-94 for a low part |xlo| <= 1.5 2^-43, which is the reduction's
// whole error.
struct ExpReduced {
  double n;
  double rh;
  double rl;
};

// For a double-double argument x + xlo.
[[gnu::always_inline]] inline ExpReduced reduceExp(double x, double xlo) {
  const double nd = nearestInteger(x * log2eTimes256);
  const double t = x - nd * ln2Over256[0];
  const DD r = twoSum(t, -nd * ln2Over256[1]);
  return {nd, r.hi, r.lo + (xlo - nd * ln2Over256[2])};
}

// For a double argument.
[[gnu::always_inline]] inline ExpReduced reduceExp(double x) {
  const double nd = nearestInteger(x * log2eTimes256);
  const double t = x - nd * ln2Over256[0];
  const DD r = twoSum(t, -nd * ln2Over256[1]);
  return {nd, r.hi, r.lo - nd * ln2Over256[2]};
}

// --- log ---------------------------------------------------------------------
//
// x = 2^e m, m in [1, 2); i = round(256 (m - 1)) picks c ~ 1/(1 + i/256)
// and ln x = e ln2 - ln c + ln(1 + r), r = m c - 1, exact in double (c has
// 9 bits, |r| < 2^-8.3). Above sqrt 2 the table's entry includes -ln 2
// and e counts one more, so that for x near 1 from below no large terms
// cancel.

// m c - 1 exactly, for m in [1, 2) and the table's 9-bit c: m = mh + ml
// with mh of 44 bits, so mh c and ml c are exact, mh c - 1 is exact by
// Sterbenz, and the sum is exact because m c - 1 = (M C - 2^61) 2^-61
// with |M C - 2^61| < 2^53.
inline double exactReduction(double m, double c) {
#ifdef __FMA__
  return std::fma(m, c, -1);
#else
  const DD split = splitBits(m, 9);
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
  const auto m = std::bit_cast<double>(fraction | (std::uint64_t{1023} << 52));
  const LogEntry &entry = logTable[i];
  const auto scale = std::bit_cast<double>((std::uint64_t{2046} << 52) -
                                           (bits & (std::uint64_t{2047} << 52)));
  return {i > 106 ? e + 1 : e, exactReduction(m, entry.inverse), &entry, scale};
}

// --- sin and cos -------------------------------------------------------------

// x = n pi/512 + r modulo 2 pi, |r| <= pi/1024 (1 + 2^-16), to the relative
// 2^-100 and the absolute absError: one of the three below, by the size of
// x.
inline constexpr double shortReductionError = 0x1p-105;
inline constexpr double wideReductionError = 0x1p-130;
inline constexpr double largeReductionError = 0x1p-160;

struct TrigReduced {
  unsigned n; // modulo 1024
  DD r;
  double absError;
};

// From 2^12 on (argumentreduction.cpp).
TrigReduced reduceTrigWide(double ax);

// Below 2^12, n < 2^20 and two 33-bit pieces of pi/512 give exact
// products: x - n S0 is exact, its sum with -n S1 an exact twoSum, and
// n S2 rounds by 2^-107 while the pieces miss pi/512 by 2^-126: an absolute
// error below 2^-105, which matters only within 2^-38 of a multiple of pi
// (a few thousand arguments), where the rounding test then defers to the
// quad path.
inline TrigReduced reduceTrig(double ax) {
  if (!(ax < 0x1p12))
    return reduceTrigWide(ax);
  const double nd = nearestInteger(ax * invPiOver512);
  if (nd == 0)
    return {0, {ax, 0}, 0};
  const DD r = twoSum(ax - nd * piOver512Short[0], -nd * piOver512Short[1]);
  return {static_cast<unsigned>(static_cast<std::int64_t>(nd) & 1023),
          {r.hi, r.lo - nd * piOver512Short[2]},
          0x1p-105};
}

} // namespace quorvex::fast
