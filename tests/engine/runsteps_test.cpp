// The machine runs two common ops in a row (variable reads, negation,
// arithmetic, comparison) as one step. Every pairing must still run both
// ops, in order, with faults raised from the right op: checked against the
// same arithmetic done directly.

#include "enginetestsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quorvex::test {
namespace {

struct StepCase {
  const char *formula;
  double (*expected)(double x, double y);
};

class RunSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(RunSteps, GiveTheDirectResultForChangingVariables) {
  Calc calc;
  Float &x = calc.bind("x", 0);
  Float &y = calc.bind("y", 0);
  calc.Evaluator.Compile(GetParam().formula);
  for (const double xv : {-2.5, 0.75, 3.0, 1e10}) {
    for (const double yv : {-1.25, 0.5, 3.0}) {
      x = xv;
      y = yv;
      EXPECT_EQ(calc.Evaluator.Evaluate(), GetParam().expected(xv, yv))
          << GetParam().formula << " at x=" << xv << ", y=" << yv;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryPairing, RunSteps,
    ::testing::Values(
        StepCase{"x", [](double x, double) { return x; }},
        StepCase{"x+y", [](double x, double y) { return x + y; }},
        StepCase{"x-y", [](double x, double y) { return x - y; }},
        StepCase{"x*y", [](double x, double y) { return x * y; }},
        StepCase{"x/y", [](double x, double y) { return x / y; }},
        StepCase{"-x", [](double x, double) { return -x; }},
        StepCase{"2*-x", [](double x, double) { return 2 * -x; }},
        StepCase{"(x<>y)", [](double x, double y) { return x == y ? 0.0 : 1.0; }},
        StepCase{"twice(x)", [](double x, double) { return 2 * x; }},
        StepCase{"x*x*x + y", [](double x, double y) { return x * x * x + y; }},
        StepCase{"x + y + x + y + x", [](double x, double y) { return x + y + x + y + x; }},
        StepCase{"sub(x; y) - x", [](double x, double y) { return (x - y) - x; }},
        StepCase{"sub(2; x) * y", [](double x, double y) { return (2 - x) * y; }},
        StepCase{"x*2 + y", [](double x, double y) { return x * 2 + y; }},
        StepCase{"((x+1)*2-3)/4", [](double x, double) { return ((x + 1) * 2 - 3) / 4; }},
        StepCase{"-(x*y) + -(x/y)", [](double x, double y) { return -(x * y) + -(x / y); }},
        StepCase{"(x<y)*(y>=x) - (x=y)",
                 [](double x, double y) {
                   return (x < y ? 1.0 : 0.0) * (y >= x ? 1.0 : 0.0) - (x == y ? 1.0 : 0.0);
                 }}),
    // Named by row: a row printed as its bytes holds addresses that change
    // from run to run, and ctest, which lists the names once, would then
    // select no test at all.
    [](const ::testing::TestParamInfo<StepCase> &info) {
      return "row" + std::to_string(info.index);
    });

// A fault in the second op of a step ends the run there; the next run
// starts again from the first op.
TEST(RunSteps, FaultInTheSecondOpOfAStep) {
  Calc calc;
  Float &x = calc.bind("x", 1);
  Float &y = calc.bind("y", 0);
  calc.Evaluator.Compile("x/y");
  const Outcome fault = capture([&] { return calc.Evaluator.Evaluate(); });
  EXPECT_FALSE(fault.ok);
  EXPECT_EQ(fault.message, "Floating point division by zero");
  y = 4;
  x = 2;
  EXPECT_EQ(calc.Evaluator.Evaluate(), 0.5);
}

} // namespace
} // namespace quorvex::test
