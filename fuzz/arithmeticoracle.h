#pragma once

#include <string_view>

// An independent reading of the formulas that use only numbers, the
// variables x, y and z, "+ - * /", prefix signs and parentheses: evaluated
// while parsed, in double, one rounding per operation, left operand first,
// the first non-finite result deciding the fault. The engine must agree with
// it bit for bit, and on the fault.

namespace quorvex::fuzz {

enum class ArithmeticOutcome {
  NotApplicable, // the formula leaves the subset, or does not compile
  Value,
  ZeroDivide,
  Overflow,
  Invalid,
};

struct ArithmeticResult {
  ArithmeticOutcome outcome = ArithmeticOutcome::NotApplicable;
  double value = 0;
};

ArithmeticResult evaluateArithmetic(std::string_view formula, const double (&xyz)[3]);

} // namespace quorvex::fuzz
