#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

// The benchmark formulas, each written once for our engine and once in the
// peer's syntax, with a native C++ rendering as the yardstick.

namespace quorvex::bench {

struct BenchVariable {
  std::string name;
  double value;
};

struct BenchFormula {
  std::string name; // "F1".."F11"
  std::string ours; // our syntax: power, square, arctan2, ";"
  std::string peer; // the peer's: ^, x*x, atan2, ","
  std::vector<BenchVariable> variables;
  // Reads the variables through the pointer, in the order above, so the
  // compiler cannot fold the formula into a constant.
  double (*native)(const volatile double *values);
  // Whether the formula calls functions of the math context.
  bool callsFunctions = false;
};

const std::vector<BenchFormula> &benchFormulas();

// F7's factors, 1.0001 .. 1.1000, as the formula spells them.
std::span<const double> longSumFactors();

// The formula over columns in plain C++: out[r] from columns[k][r], the
// variables in the order of BenchFormula::variables.
using NativeLoop = void (*)(const double *const *columns, std::size_t rows, double *out);
NativeLoop nativeLoopOf(const BenchFormula &formula);

// Variables change by this factor between evaluations, so that nothing can
// be hoisted out of the timing loop while the result stays comparable.
inline constexpr double nudgeFactor = 1 + 1e-12;

// True when a and b agree to a relative 1e-9.
bool agrees(double a, double b);

} // namespace quorvex::bench
