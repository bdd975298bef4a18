#include "formula.h"

#include "engine/errors.h"
#include "mathlib/mathfuncerror.h"

#include <gtest/gtest.h>

using namespace quorvex;
using namespace quorvex::mathtest;

TEST(Logarithms, RefuseTheirDomainWithTheRightError) {
  const ErrorCase cases[] = {
      {"ln(0)", zeroDivide},          {"ln(-1)", invalid},
      {"logbase10(0)", domainError},  {"logbase10(-5)", domainError},
      {"logbase2(-1)", domainError},  {"logbase2(0)", domainError},
      {"logbaseN(1;5)", domainError}, {"logbaseN(2;0)", domainError},
      {"logbaseN(0;5)", domainError}, {"logbaseN(-2;8)", domainError},
  };
  expectErrors(cases);
}

TEST(Logarithms, Values) {
  const ValueCase cases[] = {
      {"ln(1)", 0, 0},
      {"ln(Nconst)", 1, 1},
      {"logbase10(1000)", 3, 0},
      {"logbase2(8)", 3, 0},
      {"logbase2(0.75)", -0.4150374992788438, 1},
      {"logbaseN(4;6.25)", 1.3219280948873624, 1},
      {"logbaseN(2;1024)", 10, 0},
      // ln 1 over a negative ln b.
      {"logbaseN(0.5;1)", -0.0, 0},
  };
  expectValues(cases);
}

TEST(BasicFunctions, Values) {
  const ValueCase cases[] = {
      {"sqrt(2)", 1.4142135623730951, 0},
      {"sqrt(0)", 0, 0},
      {"abs(-2.5)", 2.5, 0},
      {"square(-3)", 9, 0},
      {"exp(-1000)", 0, 0},
      {"exp(1)", 2.718281828459045, 0},
      {"exp(709.78)", 1.7928227943945155e308, 1},
  };
  expectValues(cases);
}

TEST(BasicFunctions, FaultsBecomeTheEnginesErrors) {
  const ErrorCase cases[] = {
      {"sqrt(-1)", invalid},
      {"exp(710)", overflow},
      {"exp(1e308)", overflow},
      {"square(1.4e154)", overflow},
      // The first failing call ends the formula.
      {"sqrt(-1) + logbase10(0)", invalid},
      {"logbase10(0) + sqrt(-1)", domainError},
  };
  expectErrors(cases);
}

TEST(Power, RulesApplyInOrder) {
  const ValueCase values[] = {
      {"power(0;0)", 1, 0},
      {"power(1;1e308)", 1, 0},
      {"power(1;-1e308)", 1, 0},
      {"power(0;2)", 0, 0},
      {"power(-2;3)", -8, 0},
      {"power(-2;2)", 4, 0},
      {"power(-2;-3)", -0.125, 0},
      {"power(2;0.5)", 1.4142135623730951, 0},
      {"power(2;-1074)", 5e-324, 0},
      {"power(10;-400)", 0, 0},
      // 1e20 is even: the sign of the base is dropped.
      {"power(-1;1e20)", 1, 0},
  };
  expectValues(values);
  const ErrorCase errors[] = {
      {"power(0;-1)", powerInfinite},  {"power(0;-0.5)", powerInfinite},
      {"power(-8;0.5)", powerComplex}, {"power(-1;0.5)", powerComplex},
      {"power(2;1024)", overflow},     {"power(-10;309)", overflow},
  };
  expectErrors(errors);
}

TEST(Pythag, ScalesToAvoidOverflow) {
  const ValueCase cases[] = {
      {"pythag(3;4)", 5, 0},
      {"pythag(-3;-4)", 5, 0},
      {"pythag(0;0)", 0, 0},
      {"pythag(0;-7)", 7, 0},
      {"pythag(1e200;1e200)", 1.4142135623730951e200, 1},
      {"pythag(1e-200;1e-200)", 1.4142135623730951e-200, 1},
  };
  expectValues(cases);
  EXPECT_EQ(errorOf("pythag(1.5e308;1.5e308)"), overflow);
}

TEST(MathErrors, HaveTheirClasses) {
  EXPECT_THROW(evaluate("logbase10(0)"), EMathFuncError);
  EXPECT_THROW(evaluate("power(0;-1)"), ECalcError);
  EXPECT_THROW(evaluate("ln(0)"), EZeroDivide);
  EXPECT_THROW(evaluate("ln(-1)"), EInvalidOp);
  EXPECT_THROW(evaluate("exp(800)"), EOverflow);
}

// A routine's error leaves the evaluator usable: the same compiled formula
// runs again once the variable is valid.
TEST(MathErrors, EvaluatorStaysUsable) {
  TCompiledEvaluator evaluator;
  evaluator.ExternalContexts.Add(StandardContext());
  Float x = 0;
  evaluator.AddVariable("x", &x);
  evaluator.Compile("logbase2(x) + 1");
  EXPECT_THROW(evaluator.Evaluate(), EMathFuncError);
  x = 4;
  EXPECT_EQ(evaluator.Evaluate(), 3);
}
