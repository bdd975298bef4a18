#include "formulas.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quorvex::bench {

namespace {

constexpr int longTerms = 1000;

// "1.0001" .. "1.1000": the factors of the long sum, as the formulas spell them.
std::string longFactor(int i) {
  char text[16];
  std::snprintf(text, sizeof text, "1.%04d", i);
  return text;
}

} // namespace

// The same factors as doubles, converted from the very same text.
std::span<const double> longSumFactors() {
  static const std::array<double, longTerms> factors = [] {
    std::array<double, longTerms> f{};
    for (int i = 1; i <= longTerms; ++i)
      f[i - 1] = std::strtod(longFactor(i).c_str(), nullptr);
    return f;
  }();
  return factors;
}

namespace {

std::string longSum() {
  std::string text;
  for (int i = 1; i <= longTerms; ++i) {
    if (i > 1)
      text += " + ";
    text += "x*" + longFactor(i);
  }
  return text;
}

[[gnu::noinline]] double nativeF1(const volatile double *v) {
  const double x = v[0];
  return 5.22 - 5.44E-4 * (x - 817);
}

[[gnu::noinline]] double nativeF2(const volatile double *v) {
  const double p = v[0], k = v[1], m = v[2], n = v[3];
  return p * std::pow(1 + k / m, m * n);
}

[[gnu::noinline]] double nativeF3(const volatile double *v) {
  const double t = v[0], a = v[1], b = v[2], c = v[3], d = v[4], f = v[5], i = v[6],
               j = v[7], k = v[8], m = v[9];
  return a + b * t + c * t * std::log(t) + d * t * t + f * t * t * t + i / t +
         j * t * t * t * t + k / (t * t) + m * std::sqrt(t);
}

[[gnu::noinline]] double nativeF4(const volatile double *v) {
  const double x = v[0], y = v[1];
  return std::sin(x) * std::cos(y) + std::sqrt(x * x + y * y) - std::atan2(y, x);
}

[[gnu::noinline]] double nativeF5(const volatile double *v) {
  const double x = v[0];
  return (x > 1) * (x - 1) + (x <= 1) * (1 - x);
}

[[gnu::noinline]] double nativeF6(const volatile double *v) {
  const double x = v[0];
  return ((((((x + 1) * 2 - 3) / 4 + 5) * 6 - 7) / 8 + 9) * 10 - 11) / 12;
}

// Left to right, as the engine adds: no reassociation.
[[gnu::noinline]] double nativeF7(const volatile double *v) {
  const double x = v[0];
  const std::span<const double> factors = longSumFactors();
  double sum = x * factors[0];
  for (int i = 1; i < longTerms; ++i)
    sum += x * factors[i];
  return sum;
}

[[gnu::noinline]] double nativeF8(const volatile double *v) {
  const double x = v[0], y = v[1];
  return (x + y) * (x - y) / (x * y + 1);
}

[[gnu::noinline]] double nativeF9(const volatile double *v) {
  return std::sqrt(v[0]);
}

[[gnu::noinline]] double nativeF10(const volatile double *v) {
  return std::exp(v[0]);
}

[[gnu::noinline]] double nativeF11(const volatile double *v) {
  const double x = v[0], y = v[1];
  return std::pow(x, y);
}

} // namespace

const std::vector<BenchFormula> &benchFormulas() {
  static const std::vector<BenchFormula> formulas = {
      {"F1",
       "5.22 - 5.44E-4 * (x - 817)",
       "5.22 - 5.44E-4 * (x - 817)",
       {{"x", 2}},
       nativeF1},
      {"F2",
       "p*power((1+k/m);(m*n))",
       "p*(1+k/m)^(m*n)",
       {{"p", 1000}, {"k", 0.05}, {"m", 12}, {"n", 10}},
       nativeF2,
       true},
      {"F3",
       "a + b*T + c*T*ln(T) + d*T*T + f*T*T*T + i/T + j*T*T*T*T + k/(T*T) + m*sqrt(T)",
       "a + b*T + c*T*ln(T) + d*T*T + f*T*T*T + i/T + j*T*T*T*T + k/(T*T) + m*sqrt(T)",
       {{"T", 298.15},
        {"a", -7000},
        {"b", 120},
        {"c", -24},
        {"d", -0.003},
        {"f", 1e-7},
        {"i", 50000},
        {"j", -1e-11},
        {"k", 3000},
        {"m", 0.5}},
       nativeF3,
       true},
      {"F4",
       "sin(x)*cos(y) + sqrt(square(x)+square(y)) - arctan2(y;x)",
       "sin(x)*cos(y) + sqrt(x*x+y*y) - atan2(y,x)",
       {{"x", 0.7}, {"y", 1.3}},
       nativeF4,
       true},
      {"F5",
       "(x > 1)*(x - 1) + (x <= 1)*(1 - x)",
       "(x > 1)*(x - 1) + (x <= 1)*(1 - x)",
       {{"x", 2}},
       nativeF5},
      {"F6",
       "((((((x+1)*2-3)/4+5)*6-7)/8+9)*10-11)/12",
       "((((((x+1)*2-3)/4+5)*6-7)/8+9)*10-11)/12",
       {{"x", 2}},
       nativeF6},
      {"F7", longSum(), longSum(), {{"x", 2}}, nativeF7},
      {"F8",
       "(x+y)*(x-y)/(x*y+1)",
       "(x+y)*(x-y)/(x*y+1)",
       {{"x", 1.5}, {"y", 0.25}},
       nativeF8},
      {"F9", "sqrt(x)", "sqrt(x)", {{"x", 2}}, nativeF9, true},
      {"F10", "exp(x)", "exp(x)", {{"x", 0.5}}, nativeF10, true},
      {"F11", "power(x;y)", "x^y", {{"x", 1.5}, {"y", 2.5}}, nativeF11, true},
  };
  return formulas;
}

bool agrees(double a, double b) {
  if (a == b)
    return true;
  const double scale = std::fmax(std::fabs(a), std::fabs(b));
  return std::fabs(a - b) <= 1e-9 * scale;
}

} // namespace quorvex::bench
