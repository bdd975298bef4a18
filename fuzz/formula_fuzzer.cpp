// Formula compile and evaluate through the standard context, with variables
// x, y and z whose values come from the input. Every outcome must be a
// finite value or one of the calculator's own errors; anything else escapes
// and is reported by libFuzzer as a crash. Both steps are repeated on the
// same evaluator, which must give the same outcome: a failed compile parses
// again, and a machine stays usable after a fault. Finally the variables get
// new values without recompiling, and the machine must agree with a fresh
// evaluator compiled for those values: variables are read at run time.
// Formulas of plain arithmetic are also checked, value and fault, against an
// independent reading (arithmeticoracle.h). An error of reading points into
// the text, and the text the grammar did not read takes no part: the formula
// cut where it begins compiles to the same values.

#include "arithmeticoracle.h"
#include "check.h"

#include "engine/decimalseparator.h"
#include "engine/errors.h"
#include "engine/evaluator.h"
#include "mathlib/standardcontext.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <typeinfo>

using namespace quorvex;

namespace {

// A value, or the type and message of the error raised instead.
struct Outcome {
  bool failed = false;
  double value = 0;
  const std::type_info *type = nullptr;
  std::string message;
  std::optional<TextSpan> span;

  bool operator==(const Outcome &other) const {
    if (failed != other.failed)
      return false;
    if (!failed)
      return std::bit_cast<std::uint64_t>(value) ==
             std::bit_cast<std::uint64_t>(other.value);
    const bool sameSpan = span.has_value() == other.span.has_value() &&
                          (!span || (span->offset == other.span->offset &&
                                     span->length == other.span->length));
    return *type == *other.type && message == other.message && sameSpan;
  }
};

template <class Step> Outcome run(Step step) {
  Outcome outcome;
  try {
    outcome.value = step();
  } catch (const EAssertionFailed &e) {
    // A check that use must not be able to make fail.
    std::fprintf(stderr, "assertion reached from input: %s\n", e.what());
    std::abort();
  } catch (const Exception &e) {
    outcome.failed = true;
    outcome.type = &typeid(e);
    outcome.message = e.message();
    outcome.span = e.span();
    FUZZ_CHECK(!outcome.message.empty());
    if (dynamic_cast<const EExprEvalError *>(&e) != nullptr)
      FUZZ_CHECK(outcome.message.rfind("Parse error: ", 0) == 0);
  }
  return outcome;
}

// Value cells hold finite numbers only; anything else becomes its sign.
double variableValue(FuzzedDataProvider &in) {
  const auto v = in.ConsumeFloatingPoint<double>();
  return std::isfinite(v) ? v : std::copysign(1.0, v);
}

// An evaluator with the standard context and x, y, z bound to values[].
struct Calculator {
  double values[3];
  TCompiledEvaluator evaluator;

  explicit Calculator(const double (&initial)[3])
      : values{initial[0], initial[1], initial[2]} {
    evaluator.ExternalContexts.Add(StandardContext());
    evaluator.AddVariable("x", &values[0]);
    evaluator.AddVariable("y", &values[1]);
    evaluator.AddVariable("z", &values[2]);
  }
  Outcome compile(const std::string &formula) {
    return run([&] {
      evaluator.Compile(formula);
      return 0.0;
    });
  }
  Outcome evaluate() {
    return run([&] { return evaluator.Evaluate(); });
  }
};

// Where the independent reading applies, the same bits or the same fault.
void checkArithmetic(const Outcome &outcome, const fuzz::ArithmeticResult &expected) {
  using fuzz::ArithmeticOutcome;
  switch (expected.outcome) {
  case ArithmeticOutcome::NotApplicable:
    return;
  case ArithmeticOutcome::Value:
    FUZZ_CHECK(!outcome.failed);
    FUZZ_CHECK(std::bit_cast<std::uint64_t>(outcome.value) ==
               std::bit_cast<std::uint64_t>(expected.value));
    return;
  case ArithmeticOutcome::ZeroDivide:
    FUZZ_CHECK(outcome.failed && *outcome.type == typeid(EZeroDivide));
    return;
  case ArithmeticOutcome::Overflow:
    FUZZ_CHECK(outcome.failed && *outcome.type == typeid(EOverflow));
    return;
  case ArithmeticOutcome::Invalid:
    FUZZ_CHECK(outcome.failed && *outcome.type == typeid(EInvalidOp));
    return;
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  setDecimalSeparator(in.ConsumeBool() ? ',' : '.');
  const double first[3] = {variableValue(in), variableValue(in), variableValue(in)};
  const double second[3] = {variableValue(in), variableValue(in), variableValue(in)};
  const std::string formula = in.ConsumeRemainingBytesAsString();

  Calculator calculator(first);
  const Outcome compiled = calculator.compile(formula);
  FUZZ_CHECK(calculator.compile(formula) == compiled);
  if (compiled.span)
    FUZZ_CHECK(compiled.span->offset + compiled.span->length <= formula.size());
  if (compiled.failed)
    return 0;
  const std::optional<std::size_t> ignored = calculator.evaluator.IgnoredTextOffset();

  const Outcome result = calculator.evaluate();
  // Overflow, division by zero and invalid operations are errors, so a
  // value that comes out is finite.
  FUZZ_CHECK(result.failed || std::isfinite(result.value));
  FUZZ_CHECK(calculator.evaluate() == result);
  // A fault while running points at the text of the operation that raised
  // it, which lies in the part of the formula that was read.
  if (result.failed) {
    FUZZ_CHECK(result.span.has_value());
    FUZZ_CHECK(result.span->length > 0 && result.span->offset + result.span->length <=
                                              ignored.value_or(formula.size()));
  }

  checkArithmetic(result, fuzz::evaluateArithmetic(formula, first));

  std::copy(std::begin(second), std::end(second), std::begin(calculator.values));
  Calculator fresh(second);
  FUZZ_CHECK(fresh.compile(formula) == compiled);
  const Outcome rebound = calculator.evaluate();
  FUZZ_CHECK(rebound == fresh.evaluate());
  checkArithmetic(rebound, fuzz::evaluateArithmetic(formula, second));

  if (ignored) {
    FUZZ_CHECK(*ignored < formula.size());
    const auto byte = static_cast<unsigned char>(formula[*ignored]);
    FUZZ_CHECK(byte == 0 || byte > 32);
    Calculator cut(second);
    FUZZ_CHECK(!cut.compile(formula.substr(0, *ignored)).failed);
    FUZZ_CHECK(!cut.evaluator.IgnoredTextOffset());
    FUZZ_CHECK(cut.evaluate() == rebound);
  }
  return 0;
}
