#pragma once

#include "engine/columnroutines.h"
#include "engine/floattypes.h"

#include <span>
#include <string_view>

// The column forms of the math routines (engine/columnroutines.h): for each
// function with one, its routine computed over a column several values at a
// time, in the vectors of the widest instructions the processor has, with
// the same bits as the routine itself (columnkernels.h). The standard
// context registers them with the engine.

namespace quorvex::math {

// The instructions the column forms compute with: two lanes of SSE2, which
// every x86-64 processor has, four of AVX2 with the fused multiply-add, or
// eight of AVX-512.
enum class VectorPath { Portable, Avx2, Avx512 };

bool vectorPathAvailable(VectorPath path) noexcept;
// The path in use: the widest available unless useVectorPath chose another.
VectorPath vectorPath() noexcept;
// Makes every thread's column forms compute with path from now on; false,
// and nothing changed, where the processor lacks its instructions. For
// benchmarks and tests: each path gives the same results.
bool useVectorPath(VectorPath path) noexcept;
// "portable", "avx2" or "avx512".
std::string_view vectorPathName(VectorPath path) noexcept;

struct UnaryColumnForm {
  std::string_view name; // as a formula writes the function
  Float (*routine)(Float);
  UnaryColumnRoutine column;
};

struct BinaryColumnForm {
  std::string_view name;
  Float (*routine)(Float, Float);
  BinaryColumnRoutine column;
};

std::span<const UnaryColumnForm> unaryColumnForms() noexcept;
std::span<const BinaryColumnForm> binaryColumnForms() noexcept;

// Registers every column form with the engine, once per process.
void registerColumnForms();

// How many values the column forms handed to the routines themselves, in
// all threads since the program started: the lanes a kernel did not decide
// and the arguments outside the ranges the kernels take.
unsigned long long columnFallbackCount() noexcept;

} // namespace quorvex::math
