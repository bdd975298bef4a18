#pragma once

#include "doubledouble.h"

#include <cstdint>

// Constants and tables of the double-double fast paths, rounded from
// 300-bit values by tools/gen_math_tables.py (mathlib/tables.cpp).

namespace quorvex::fast {

// ln2/256 in three pieces; the first two have 34 significant bits, so
// their products with the |n| < 2^19 of the exp reduction are exact.
extern const double Ln2Over256[3];
extern const double Log2eTimes256;
// 2^(j/256), j = 0..255, as a 27-bit head and the rest of it rounded to
// a double (to 2^-80).
struct ExpSplitEntry {
  double head;
  double tail;
};
extern const ExpSplitEntry ExpSplitTable[256];

// ln2 in three pieces; the first two have 42 significant bits, so their
// products with a binary exponent (|e| < 2^11) are exact.
extern const double Ln2Parts[3];
// For the interval centred on m = 1 + i/256 (i = 0..256): c near 1/m
// with 9 significant bits, so that m c - 1 (|m c - 1| < 2^-8.3) is exact
// in double, and -ln(c), less ln 2 above sqrt 2 where the argument counts
// as m/2 times 2 so that no sum cancels near 1. The head of -ln(c) lies on
// the 2^-42 grid of Ln2Parts[0], so e Ln2Parts[0] + head is exact.
struct LogEntry {
  double inverse;
  DD minusLog;
};
extern const LogEntry LogTable[257];
// For the same entries -log2(c), less 1 above sqrt 2, the head on the
// 2^-42 grid: e + head is exact.
extern const DD Log2Table[257];

// sin(k pi/512), k = 0..256: cos(k pi/512) is entry 256 - k.
extern const DD SinTable[257];
// pi/512 in three 53-bit pieces, in two of 33 bits and the rest (exact
// products with the n < 2^20 of arguments below 2^12), and 512/pi.
extern const double PiOver512[3];
extern const double PiOver512Short[3];
extern const double InvPiOver512;
// The bits of 1/pi after the binary point, most significant first.
extern const std::uint64_t InvPiBits[22];

// atan(i/256), i = 0..256.
extern const DD AtanTable[257];

// f(c + t) for c = i/256 and |t| <= 2^-9: the Taylor polynomial value +
// slope t + higher[0] t^2 + ... + higher[6] t^8, for asin and sinh (i =
// 0..128), tanh (i = 0..141) and atan (i = 0..256). The heads of value lie
// on the 2^-44 grid, and so does that of HalfPiOnGrid, pi/2: sums of them
// and of their doubles are exact.
struct TaylorEntry {
  DD value;
  DD slope;
  double higher[7];
};
extern const TaylorEntry AsinTable[129];
extern const TaylorEntry AtanTaylorTable[257];
extern const TaylorEntry SinhTaylorTable[129];
extern const TaylorEntry CoshTaylorTable[257];
extern const TaylorEntry TanhTaylorTable[142];
extern const DD HalfPiOnGrid;

extern const DD PiDD;
extern const DD HalfPiDD;
extern const DD Ln2DD;
extern const DD InvLn2DD;
extern const DD InvLn10DD;
extern const DD PiOver512DD;

} // namespace quorvex::fast
