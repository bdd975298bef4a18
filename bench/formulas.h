#pragma once

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
  std::string name;       // "F1".."F7"
  std::string ours;       // our syntax: power, square, arctan2, ";"
  std::string peer;       // the peer's: ^, x*x, atan2, ","
  std::vector<BenchVariable> variables;
  // Reads the variables through the pointer, in the order above, so the
  // compiler cannot fold the formula into a constant.
  double (*native)(const volatile double *values);
  // Whether the formula calls functions of the math context.
  bool callsFunctions = false;
};

const std::vector<BenchFormula> &benchFormulas();

// Variables change by this factor between evaluations, so that nothing can
// be hoisted out of the timing loop while the result stays comparable.
inline constexpr double nudgeFactor = 1 + 1e-12;

// True when a and b agree to a relative 1e-9.
bool agrees(double a, double b);

} // namespace quorvex::bench
