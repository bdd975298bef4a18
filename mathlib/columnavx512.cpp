// The column kernels in the eight lanes of AVX-512 (foundation and
// doubleword/quadword instructions) with the fused multiply-add, built for
// those instructions (mathlib/CMakeLists.txt) and used only where the
// processor has them (columnmath.cpp).

#include "columnkernels.h"

#include <immintrin.h>

namespace quorvex::columns {

namespace {

struct Avx512Lanes {
  static constexpr std::size_t width = 8;
  static constexpr bool fused = true;
  using D = __m512d;
  using I = __m512i;
  using U = unsigned long long __attribute__((vector_size(64)));
  using M = decltype(D{} < D{});

  static D splat(double v) { return _mm512_set1_pd(v); }
  static D load(const double *p) { return _mm512_loadu_pd(p); }
  static void store(double *p, D v) { _mm512_storeu_pd(p, v); }
  static D fma(D a, D b, D c) { return _mm512_fmadd_pd(a, b, c); }
  // The masked forms of these instructions, their lanes all set: the plain
  // ones start from an undefined vector, which GCC 12 warns of.
  static D min(D a, D b) { return _mm512_maskz_min_pd(0xff, a, b); }
  static D max(D a, D b) { return _mm512_maskz_max_pd(0xff, a, b); }
  static D sqrt(D v) { return _mm512_maskz_sqrt_pd(0xff, v); }
  static D gather(const double *base, I index) {
    return _mm512_mask_i64gather_pd(_mm512_setzero_pd(), 0xff, index, base, 8);
  }
  static unsigned bits(M mask) { return _mm512_movepi64_mask(reinterpret_cast<I>(mask)); }
};

} // namespace

constinit const ColumnKernels avx512Kernels = kernelsFor<Avx512Lanes>();

} // namespace quorvex::columns
