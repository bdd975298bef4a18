// The column kernels in the two lanes of SSE2, which every x86-64
// processor has, with the fused multiply-add where the build uses it.

#include "columnkernels.h"

#include <immintrin.h>

namespace quorvex::columns {

namespace {

struct PortableLanes {
  static constexpr std::size_t width = 2;
#ifdef __FMA__
  static constexpr bool fused = true;
#else
  static constexpr bool fused = false;
#endif
  using D = __m128d;
  using I = __m128i;
  using U = unsigned long long __attribute__((vector_size(16)));
  using M = decltype(D{} < D{});

  static D splat(double v) {
    return _mm_set1_pd(v);
  }
  static D load(const double *p) {
    return _mm_loadu_pd(p);
  }
  static void store(double *p, D v) {
    _mm_storeu_pd(p, v);
  }
#ifdef __FMA__
  static D fma(D a, D b, D c) {
    return _mm_fmadd_pd(a, b, c);
  }
#endif
  static D min(D a, D b) {
    return _mm_min_pd(a, b);
  }
  static D max(D a, D b) {
    return _mm_max_pd(a, b);
  }
  static D sqrt(D v) {
    return _mm_sqrt_pd(v);
  }
  static D gather(const double *base, I index) {
    return D{base[index[0]], base[index[1]]};
  }
  static unsigned bits(M mask) {
    return static_cast<unsigned>(_mm_movemask_pd(reinterpret_cast<D>(mask)));
  }
};

} // namespace

constinit const ColumnKernels portableKernels = kernelsFor<PortableLanes>();

} // namespace quorvex::columns
