#pragma once

#include "doubledouble.h"
#include "taylorpolynomials.h"

// Constants and tables of the inverse trigonometric functions, rounded
// from 300-bit values by tools/gen_math_tables.py
// (inversetrigonometrictables.cpp).

namespace quorvex::fast {

// atan(i/256), i = 0..256.
extern const DD atanTable[257];

// Taylor polynomials (taylorpolynomials.h) of asin at i/256, i = 0..128,
// and of atan, i = 0..256.
extern const TaylorEntry asinTable[129];
extern const TaylorEntry atanTaylorTable[257];
// pi/2 with its head on the 2^-44 grid of the tables' values.
extern const DD halfPiOnGrid;

extern const DD piDD;
extern const DD halfPiDD;

} // namespace quorvex::fast
