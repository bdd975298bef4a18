#include "enginetestsupport.h"

#include "engine/decimalseparator.h"
#include "engine/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace quorvex::test {

SeparatorScope::SeparatorScope(char separator) : saved_(decimalSeparator()) {
  setDecimalSeparator(separator);
}

SeparatorScope::~SeparatorScope() {
  setDecimalSeparator(saved_);
}

namespace {

Float twice(Float x) {
  return 2 * x;
}
Float root(Float x) {
  return std::sqrt(x);
}
Float boost(Float x) {
  return x * 1e300;
}
Float sub(Float x, Float y) {
  return x - y;
}

std::unique_ptr<TExprHashContext> makeTestContext() {
  auto context = std::make_unique<TExprHashContext>(false, 100);
  context->Add(std::make_unique<TExprUnaryFuncSym>("twice", &twice));
  context->Add(std::make_unique<TExprUnaryFuncSym>("root", &root));
  context->Add(std::make_unique<TExprUnaryFuncSym>("boost", &boost));
  context->Add(std::make_unique<TExprBinaryFuncSym>("sub", &sub));
  context->Add(std::make_unique<TExprConstSym>("k2", 2.0));
  context->Add(std::make_unique<TExprConstSym>("ten", 10.0));
  context->Add(std::make_unique<TExprConstSym>("Pi", 3.141592653589793));
  return context;
}

} // namespace

TExprHashContext &testContext() {
  static const std::unique_ptr<TExprHashContext> context = makeTestContext();
  return *context;
}

std::string classOf(const std::exception &error) {
  // Most derived first.
  if (dynamic_cast<const EZeroDivide *>(&error))
    return "EZeroDivide";
  if (dynamic_cast<const EOverflow *>(&error))
    return "EOverflow";
  if (dynamic_cast<const EInvalidOp *>(&error))
    return "EInvalidOp";
  if (dynamic_cast<const EMathError *>(&error))
    return "EMathError";
  if (dynamic_cast<const EExprEvalError *>(&error))
    return "EExprEvalError";
  if (dynamic_cast<const EStringHashMapError *>(&error))
    return "EStringHashMapError";
  if (dynamic_cast<const ECalcError *>(&error))
    return "ECalcError";
  if (dynamic_cast<const EConvertError *>(&error))
    return "EConvertError";
  if (dynamic_cast<const EListError *>(&error))
    return "EListError";
  if (dynamic_cast<const EAssertionFailed *>(&error))
    return "EAssertionFailed";
  if (dynamic_cast<const Exception *>(&error))
    return "Exception";
  return "foreign";
}

Calc::Calc() {
  Evaluator.ExternalContexts.Add(testContext());
}

Float &Calc::bind(std::string_view name, Float value) {
  Float &slot = slots_.emplace_back(value);
  Evaluator.AddVariable(name, &slot);
  return slot;
}

Outcome Calc::Run(std::string_view formula) {
  return capture([&] {
    Evaluator.Compile(formula);
    return Evaluator.Evaluate();
  });
}

Float Calc::value(std::string_view formula) {
  const Outcome outcome = Run(formula);
  if (!outcome.ok) {
    ADD_FAILURE() << "formula '" << formula << "' failed: " << outcome.message;
    return std::numeric_limits<Float>::quiet_NaN();
  }
  return outcome.value;
}

std::string Calc::error(std::string_view formula) {
  const Outcome outcome = Run(formula);
  if (outcome.ok) {
    ADD_FAILURE() << "formula '" << formula << "' gave " << outcome.value
                  << " instead of an error";
    return "";
  }
  return outcome.message;
}

} // namespace quorvex::test
