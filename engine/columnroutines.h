#pragma once

#include "floattypes.h"

#include <cstddef>

// The column forms of routines: a routine that a function symbol calls once
// per value may have a form that computes it over many values at once,
// which the block evaluator then calls once per block instead. The engine
// knows no routine itself; the library that provides routines registers
// their column forms here, keyed by the routine, and the block evaluator
// looks them up as it translates a program.
//
// A column form gives, bit for bit, what the block evaluator's own call of
// the routine would: the routine's value where it returns one, and a NaN
// where it raises an error or an argument is not finite (the block
// evaluator runs such a row again, op by op, for its error).

namespace quorvex {

// out[i] := routine(x[i]) for i < n.
using UnaryColumnRoutine = void (*)(const Float *x, Float *out, std::size_t n) noexcept;
// out[i] := routine(x[i * xStride], z[i * zStride]) for i < n; a stride is 1
// for a column and 0 for one value that every row shares.
using BinaryColumnRoutine = void (*)(const Float *x, std::size_t xStride, const Float *z,
                                     std::size_t zStride, Float *out,
                                     std::size_t n) noexcept;

// A later registration for the same routine replaces the earlier one.
void registerColumnRoutine(Float (*routine)(Float), UnaryColumnRoutine column);
void registerColumnRoutine(Float (*routine)(Float, Float), BinaryColumnRoutine column);

// The column form registered for routine, or null.
UnaryColumnRoutine columnRoutineOf(Float (*routine)(Float)) noexcept;
BinaryColumnRoutine columnRoutineOf(Float (*routine)(Float, Float)) noexcept;

} // namespace quorvex
