#include "columnmath.h"

#include "columnkernels.h"

#include <atomic>
#include <bit>
#include <cmath>
#include <limits>

namespace quorvex {

namespace columns {

namespace {

std::atomic<unsigned long long> fallbacks{0};

constexpr Float notANumber = std::numeric_limits<Float>::quiet_NaN();

// What the block evaluator's call of a routine gives: its value, or a NaN
// for an error.
template <class Call> Float valueOrNaN(Call call) noexcept {
  try {
    return call();
  } catch (...) {
    return notANumber;
  }
}

} // namespace

void settleLanes(Float (*routine)(Float), const Float *x, Float *out,
                 unsigned lanes) noexcept {
  fallbacks.fetch_add(static_cast<unsigned>(std::popcount(lanes)),
                      std::memory_order_relaxed);
  for (; lanes != 0; lanes &= lanes - 1) {
    const int k = std::countr_zero(lanes);
    out[k] = std::isfinite(x[k]) ? valueOrNaN([&] { return routine(x[k]); }) : notANumber;
  }
}

void settleLanes(Float (*routine)(Float, Float), const Float *x, std::size_t xStride,
                 const Float *z, std::size_t zStride, Float *out,
                 unsigned lanes) noexcept {
  fallbacks.fetch_add(static_cast<unsigned>(std::popcount(lanes)),
                      std::memory_order_relaxed);
  for (; lanes != 0; lanes &= lanes - 1) {
    const auto k = static_cast<std::size_t>(std::countr_zero(lanes));
    const Float a = x[k * xStride];
    const Float b = z[k * zStride];
    out[k] = std::isfinite(a) && std::isfinite(b)
                 ? valueOrNaN([&] { return routine(a, b); })
                 : notANumber;
  }
}

} // namespace columns

namespace math {

namespace {

using columns::ColumnKernels;

// The path in use, as a VectorPath, or -1 until the first column form runs.
std::atomic<int> chosenPath{-1};

VectorPath widestPath() noexcept {
  if (vectorPathAvailable(VectorPath::Avx512))
    return VectorPath::Avx512;
  if (vectorPathAvailable(VectorPath::Avx2))
    return VectorPath::Avx2;
  return VectorPath::Portable;
}

const ColumnKernels &kernelsOf(VectorPath path) noexcept {
  switch (path) {
  case VectorPath::Portable:
    break;
  case VectorPath::Avx2:
    return columns::avx2Kernels;
  case VectorPath::Avx512:
    return columns::avx512Kernels;
  }
  return columns::portableKernels;
}

// Once per column, not per value.
const ColumnKernels &kernels() noexcept {
  return kernelsOf(vectorPath());
}

template <UnaryColumnRoutine ColumnKernels::*Member>
void unaryColumn(const Float *x, Float *out, std::size_t n) noexcept {
  (kernels().*Member)(x, out, n);
}

template <BinaryColumnRoutine ColumnKernels::*Member>
void binaryColumn(const Float *x, std::size_t xStride, const Float *z,
                  std::size_t zStride, Float *out, std::size_t n) noexcept {
  (kernels().*Member)(x, xStride, z, zStride, out, n);
}

constexpr UnaryColumnForm unaryForms[] = {
#define QUORVEX_UNARY_COLUMN(name, member, Kernel)                                       \
  {name, columns::Kernel::routine, &unaryColumn<&ColumnKernels::member>},
#define QUORVEX_BINARY_COLUMN(name, member, Kernel)
#include "columnforms.def"
};

constexpr BinaryColumnForm binaryForms[] = {
#define QUORVEX_UNARY_COLUMN(name, member, Kernel)
#define QUORVEX_BINARY_COLUMN(name, member, Kernel)                                      \
  {name, columns::Kernel::routine, &binaryColumn<&ColumnKernels::member>},
#include "columnforms.def"
};

} // namespace

bool vectorPathAvailable(VectorPath path) noexcept {
  switch (path) {
  case VectorPath::Portable:
    break;
  case VectorPath::Avx2:
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
  case VectorPath::Avx512:
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
           __builtin_cpu_supports("fma");
  }
  return true;
}

VectorPath vectorPath() noexcept {
  int path = chosenPath.load(std::memory_order_relaxed);
  if (path < 0) {
    path = static_cast<int>(widestPath());
    chosenPath.store(path, std::memory_order_relaxed);
  }
  return static_cast<VectorPath>(path);
}

bool useVectorPath(VectorPath path) noexcept {
  if (!vectorPathAvailable(path))
    return false;
  chosenPath.store(static_cast<int>(path), std::memory_order_relaxed);
  return true;
}

std::string_view vectorPathName(VectorPath path) noexcept {
  switch (path) {
  case VectorPath::Portable:
    break;
  case VectorPath::Avx2:
    return "avx2";
  case VectorPath::Avx512:
    return "avx512";
  }
  return "portable";
}

std::span<const UnaryColumnForm> unaryColumnForms() noexcept {
  return unaryForms;
}

std::span<const BinaryColumnForm> binaryColumnForms() noexcept {
  return binaryForms;
}

void registerColumnForms() {
  static const bool registered = [] {
    for (const UnaryColumnForm &form : unaryForms)
      registerColumnRoutine(form.routine, form.column);
    for (const BinaryColumnForm &form : binaryForms)
      registerColumnRoutine(form.routine, form.column);
    return true;
  }();
  (void)registered;
}

unsigned long long columnFallbackCount() noexcept {
  return columns::fallbacks.load(std::memory_order_relaxed);
}

} // namespace math

} // namespace quorvex
