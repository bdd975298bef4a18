#pragma once

#include "doubledouble.h"

#include <cstdint>

// Constants and tables of sine and cosine and their argument reduction,
// rounded from 300-bit values by tools/gen_math_tables.py
// (trigonometrictables.cpp).

namespace quorvex::fast {

// sin(k pi/512), k = 0..256: cos(k pi/512) is entry 256 - k.
extern const DD sinTable[257];
// pi/512 in three 53-bit pieces, in two of 33 bits and the rest (exact
// products with the n < 2^20 of arguments below 2^12), and 512/pi.
extern const double piOver512[3];
extern const double piOver512Short[3];
extern const double invPiOver512;
// The bits of 1/pi after the binary point, most significant first.
extern const std::uint64_t invPiBits[22];
extern const DD piOver512DD;

} // namespace quorvex::fast
