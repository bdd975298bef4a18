// The column kernels in the four lanes of AVX2 with the fused multiply-add,
// built for those instructions (mathlib/CMakeLists.txt) and used only where
// the processor has them (columnmath.cpp).

#include "columnkernels.h"

#include <immintrin.h>

namespace quorvex::columns {

namespace {

struct Avx2Lanes {
  static constexpr std::size_t width = 4;
  static constexpr bool fused = true;
  using D = __m256d;
  using I = __m256i;
  using U = unsigned long long __attribute__((vector_size(32)));
  using M = decltype(D{} < D{});

  static D splat(double v) { return _mm256_set1_pd(v); }
  static D load(const double *p) { return _mm256_loadu_pd(p); }
  static void store(double *p, D v) { _mm256_storeu_pd(p, v); }
  static D fma(D a, D b, D c) { return _mm256_fmadd_pd(a, b, c); }
  static D min(D a, D b) { return _mm256_min_pd(a, b); }
  static D max(D a, D b) { return _mm256_max_pd(a, b); }
  static D sqrt(D v) { return _mm256_sqrt_pd(v); }
  static D gather(const double *base, I index) {
    return _mm256_i64gather_pd(base, index, 8);
  }
  static unsigned bits(M mask) {
    return static_cast<unsigned>(_mm256_movemask_pd(reinterpret_cast<D>(mask)));
  }
};

} // namespace

constinit const ColumnKernels avx2Kernels = kernelsFor<Avx2Lanes>();

} // namespace quorvex::columns
