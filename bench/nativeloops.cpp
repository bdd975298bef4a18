// The benchmark formulas as plain C++ loops over arrays, the yardstick of
// the block evaluator: compiled with the options of its kernels (-O3, no
// fused multiply-add), so the compiler may vectorise them as it vectorises
// those.

#include "formulas.h"

#include <cmath>
#include <cstdlib>

namespace quorvex::bench {

namespace {

template <int Variables, class Formula>
void loop(const double *const *columns, std::size_t rows, double *out, Formula formula) {
  for (std::size_t r = 0; r < rows; ++r) {
    double v[Variables];
    for (int k = 0; k < Variables; ++k)
      v[k] = columns[k][r];
    out[r] = formula(v);
  }
}

void f1(const double *const *c, std::size_t n, double *out) {
  loop<1>(c, n, out, [](const double *v) { return 5.22 - 5.44E-4 * (v[0] - 817); });
}

void f2(const double *const *c, std::size_t n, double *out) {
  loop<4>(c, n, out, [](const double *v) {
    const double p = v[0], k = v[1], m = v[2], years = v[3];
    return p * std::pow(1 + k / m, m * years);
  });
}

void f3(const double *const *c, std::size_t n, double *out) {
  loop<10>(c, n, out, [](const double *v) {
    const double t = v[0], a = v[1], b = v[2], cc = v[3], d = v[4], f = v[5], i = v[6],
                 j = v[7], k = v[8], m = v[9];
    return a + b * t + cc * t * std::log(t) + d * t * t + f * t * t * t + i / t +
           j * t * t * t * t + k / (t * t) + m * std::sqrt(t);
  });
}

void f4(const double *const *c, std::size_t n, double *out) {
  loop<2>(c, n, out, [](const double *v) {
    const double x = v[0], y = v[1];
    return std::sin(x) * std::cos(y) + std::sqrt(x * x + y * y) - std::atan2(y, x);
  });
}

void f5(const double *const *c, std::size_t n, double *out) {
  loop<1>(c, n, out, [](const double *v) {
    const double x = v[0];
    return (x > 1) * (x - 1) + (x <= 1) * (1 - x);
  });
}

void f6(const double *const *c, std::size_t n, double *out) {
  loop<1>(c, n, out, [](const double *v) {
    const double x = v[0];
    return ((((((x + 1) * 2 - 3) / 4 + 5) * 6 - 7) / 8 + 9) * 10 - 11) / 12;
  });
}

// Left to right, as the engine adds: no reassociation.
void f7(const double *const *c, std::size_t n, double *out) {
  const std::span<const double> factors = longSumFactors();
  loop<1>(c, n, out, [&](const double *v) {
    double sum = v[0] * factors[0];
    for (std::size_t i = 1; i < factors.size(); ++i)
      sum += v[0] * factors[i];
    return sum;
  });
}

void f8(const double *const *c, std::size_t n, double *out) {
  loop<2>(c, n, out, [](const double *v) {
    const double x = v[0], y = v[1];
    return (x + y) * (x - y) / (x * y + 1);
  });
}

void f9(const double *const *c, std::size_t n, double *out) {
  loop<1>(c, n, out, [](const double *v) { return std::sqrt(v[0]); });
}

void f10(const double *const *c, std::size_t n, double *out) {
  loop<1>(c, n, out, [](const double *v) { return std::exp(v[0]); });
}

void f11(const double *const *c, std::size_t n, double *out) {
  loop<2>(c, n, out, [](const double *v) { return std::pow(v[0], v[1]); });
}

} // namespace

NativeLoop nativeLoopOf(const BenchFormula &formula) {
  static const struct {
    const char *name;
    NativeLoop loop;
  } loops[] = {{"F1", f1}, {"F2", f2}, {"F3", f3}, {"F4", f4},   {"F5", f5},  {"F6", f6},
               {"F7", f7}, {"F8", f8}, {"F9", f9}, {"F10", f10}, {"F11", f11}};
  for (const auto &entry : loops)
    if (formula.name == entry.name)
      return entry.loop;
  std::abort();
}

} // namespace quorvex::bench
