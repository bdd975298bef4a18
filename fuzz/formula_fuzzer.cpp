// Formula compile and evaluate through the standard context, with variables
// x, y and z whose values come from the input. Every outcome must be a
// finite value or one of the calculator's own errors; anything else escapes
// and is reported by libFuzzer as a crash. Both steps are repeated on the
// same evaluator, which must give the same outcome: a failed compile parses
// again, and a machine stays usable after a fault.

#include "check.h"

#include "engine/decimalseparator.h"
#include "engine/errors.h"
#include "engine/evaluator.h"
#include "mathlib/standardcontext.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
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

  bool operator==(const Outcome &other) const {
    if (failed != other.failed)
      return false;
    if (!failed)
      return std::memcmp(&value, &other.value, sizeof value) == 0;
    return *type == *other.type && message == other.message;
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
    FUZZ_CHECK(!outcome.message.empty());
    if (dynamic_cast<const EExprEvalError *>(&e) != nullptr)
      FUZZ_CHECK(outcome.message.rfind("Parse error: ", 0) == 0);
  }
  return outcome;
}

// Value cells hold finite numbers only; anything else becomes its sign.
double variableValue(FuzzedDataProvider &in) {
  const double v = in.ConsumeFloatingPoint<double>();
  return std::isfinite(v) ? v : std::copysign(1.0, v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  SetDecimalSeparator(in.ConsumeBool() ? ',' : '.');
  const double x = variableValue(in);
  const double y = variableValue(in);
  const double z = variableValue(in);
  const std::string formula = in.ConsumeRemainingBytesAsString();

  TCompiledEvaluator evaluator;
  evaluator.ExternalContexts.Add(StandardContext());
  evaluator.AddVariable("x", &x);
  evaluator.AddVariable("y", &y);
  evaluator.AddVariable("z", &z);

  const auto compile = [&] {
    evaluator.Compile(formula);
    return 0.0;
  };
  const Outcome compiled = run(compile);
  FUZZ_CHECK(run(compile) == compiled);
  if (compiled.failed)
    return 0;

  const auto evaluate = [&] { return evaluator.Evaluate(); };
  const Outcome result = run(evaluate);
  // Overflow, division by zero and invalid operations are errors, so a
  // value that comes out is finite.
  FUZZ_CHECK(result.failed || std::isfinite(result.value));
  FUZZ_CHECK(run(evaluate) == result);
  return 0;
}
