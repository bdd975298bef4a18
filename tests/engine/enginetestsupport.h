#pragma once

#include "engine/contexts.h"
#include "engine/evaluator.h"
#include "engine/floattypes.h"

#include <deque>
#include <string>
#include <string_view>

// Shared helpers for the engine tests: a stand-in for the math library's
// context, a calculator that reports a value or an error uniformly, and a
// guard for the process-wide decimal separator.

namespace quorvex::test {

// Sets the decimal separator for one scope and restores the previous one,
// so a failing assertion cannot leak a "," into later tests.
class SeparatorScope {
public:
  explicit SeparatorScope(char separator);
  ~SeparatorScope();
  SeparatorScope(const SeparatorScope &) = delete;
  SeparatorScope &operator=(const SeparatorScope &) = delete;

private:
  char saved_;
};

// Case-insensitive context with a few plain functions and constants:
//   twice(x) = 2x, root(x) = sqrt(x) (NaN below 0), boost(x) = x * 1e300,
//   sub(x; y) = x - y (argument order matters), k2 = 2, ten = 10,
//   Pi = 3.141592653589793.
TExprHashContext &testContext();

// What running a formula gave: a value, or the class and message of the
// error. Exceptions outside the calculator's hierarchy are reported with
// the class "foreign" so that a test can never mistake them for a clean
// error.
struct Outcome {
  bool ok = false;
  Float value = 0;
  std::string errorClass;
  std::string message;
};

std::string classOf(const std::exception &error);

// An evaluator with TestContext attached and variables bound to slots it
// keeps at stable addresses.
class Calc {
public:
  Calc();
  // Binds name to a new slot holding value; returns the slot.
  Float &bind(std::string_view name, Float value);
  Outcome Run(std::string_view formula);
  // The value; a failure is reported and gives NaN.
  Float value(std::string_view formula);
  // The error message; success is reported and gives "".
  std::string error(std::string_view formula);

  TCompiledEvaluator Evaluator;

private:
  std::deque<Float> slots_;
};

// Runs code and returns its outcome the same way Calc::Run does.
template <class F> Outcome capture(F &&code) {
  Outcome outcome;
  try {
    outcome.value = code();
    outcome.ok = true;
  } catch (const std::exception &error) {
    outcome.errorClass = classOf(error);
    outcome.message = error.what();
  }
  return outcome;
}

} // namespace quorvex::test
