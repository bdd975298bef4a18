#pragma once

#include "doubledouble.h"

// Constants and tables of the exponential and the logarithms, rounded from
// 300-bit values by tools/gen_math_tables.py (exponentialtables.cpp).

namespace quorvex::fast {

// ln2/256 in three pieces; the first two have 34 significant bits, so
// their products with the |n| < 2^19 of the exp reduction are exact.
extern const double ln2Over256[3];
extern const double log2eTimes256;
// 2^(j/256), j = 0..255, as a 27-bit head and the rest of it rounded to
// a double (to 2^-80).
struct ExpSplitEntry {
  double head;
  double tail;
};
extern const ExpSplitEntry expSplitTable[256];

// ln2 in three pieces; the first two have 42 significant bits, so their
// products with a binary exponent (|e| < 2^11) are exact.
extern const double ln2Parts[3];
// For the interval centred on m = 1 + i/256 (i = 0..256): c near 1/m
// with 9 significant bits, so that m c - 1 (|m c - 1| < 2^-8.3) is exact
// in double, and -ln(c), less ln 2 above sqrt 2 where the argument counts
// as m/2 times 2 so that no sum cancels near 1. The head of -ln(c) lies on
// the 2^-42 grid of ln2Parts[0], so e ln2Parts[0] + head is exact.
struct LogEntry {
  double inverse;
  DD minusLog;
};
extern const LogEntry logTable[257];
// For the same entries -log2(c), less 1 above sqrt 2, the head on the
// 2^-42 grid: e + head is exact.
extern const DD log2Table[257];

extern const DD ln2DD;
extern const DD invLn2DD;
extern const DD invLn10DD;

} // namespace quorvex::fast
