#include "engine/evaluator.h"
#include <gtest/gtest.h>
using namespace quorvex;
TEST(Smoke, Basic) {
  TCompiledEvaluator e;
  double x = 3;
  e.AddVariable("x", &x);
  e.Compile("2*x+1");
  EXPECT_EQ(e.Evaluate(), 7);
}
