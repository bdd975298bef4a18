#pragma once

#include "taylorpolynomials.h"

// The tables of Taylor polynomials (taylorpolynomials.h) of sinh, cosh and
// tanh at i/256: sinh for i = 0..128, cosh for i = 0..256, tanh for i =
// 0..141. Rounded from 300-bit values by tools/gen_math_tables.py
// (hyperbolictables.cpp).

namespace quorvex::fast {

extern const TaylorEntry sinhTaylorTable[129];
extern const TaylorEntry coshTaylorTable[257];
extern const TaylorEntry tanhTaylorTable[142];

} // namespace quorvex::fast
