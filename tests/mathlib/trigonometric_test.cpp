#include "formula.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace quorvex::mathtest;

namespace {
constexpr double pi = std::numbers::pi;
}

TEST(Trigonometric, HugeArgumentsAreReducedExactly) {
  // Beyond 2^63 the hardware would give 0; the true values are these.
  const ValueCase cases[] = {
      {"sin(1e19)", -0.9270631660486504, 1},
      {"cos(1e19)", -0.37490516955071784, 1},
      {"sin(1e22)", -0.8522008497671888, 1},
      // Exactly 2^63 passes the guard and is reduced like any argument.
      {"tan(twotopower63)", 84.73931296875567, 1},
  };
  expectValues(cases);
}

TEST(Trigonometric, GuardedFunctionsRefuseBeyondTwoToThe63) {
  const ErrorCase cases[] = {
      {"tan(1e19)", domainError},       {"cot(1e19)", domainError},
      {"sec(-1e19)", domainError},      {"csc(1e19)", domainError},
      {"coversine(1e19)", domainError}, {"exsecans(1e19)", domainError},
      {"haversine(1e19)", domainError}, {"versine(-1e19)", domainError},
  };
  expectErrors(cases);
}

TEST(Trigonometric, PolesAndZeros) {
  const ErrorCase cases[] = {
      {"cot(0)", zeroDivide},
      {"csc(0)", domainError},
      {"csc(5e-324)", overflow},
  };
  expectErrors(cases);
  const ValueCase values[] = {
      {"Sin(30/Deg)", 0.5, 1},
      {"tan(pion4)", 1, 1},
      {"sec(pi)", -1, 0},
      {"cot(pion2)", 6.123233995736766e-17, 1},
  };
  expectValues(values);
}

TEST(Trigonometric, VersedFunctionsDoNotCancelAtSmallArguments) {
  const ValueCase cases[] = {
      {"versine(1e-10)", 5e-21, 1},
      {"exsecans(1e-10)", 5e-21, 1},
      {"haversine(1e-10)", 2.5e-21, 1},
      // pion2 misses pi/2 by 6e-17: 1 - sin is that squared over 2.
      {"coversine(pion2)", 1.874699728327322e-33, 1},
      {"versine(pi)", 2, 0},
      {"coversine(-pion2)", 2, 0},
  };
  expectValues(cases);
}

TEST(InverseTrigonometric, Values) {
  const ValueCase cases[] = {
      {"arcsin(1)", pi / 2, 0}, {"arcsin(-1)", -pi / 2, 0},
      {"arccos(-1)", pi, 0},    {"arccos(1)", 0, 0},
      {"ArcTan(1)*Deg", 45, 0}, {"arccot(-1)", -pi / 4, 0},
      {"arccot(1)", pi / 4, 0}, {"arctan2(1;0)", pi / 2, 0},
      {"arctan2(0;-1)", pi, 0}, {"arctan2(-1;-1)", -3 * pi / 4, 0},
      {"arctan2(0;0)", 0, 0},
  };
  expectValues(cases);
}

// arcsec and arccsc are arccos(1/x) and arcsin(1/x): the sign of x matters.
TEST(InverseTrigonometric, SecantAndCosecantCoverTheirFullRange) {
  const ValueCase cases[] = {
      {"arcsec(2)", pi / 3, 1}, {"arcsec(-2)", 2 * pi / 3, 1}, {"arcsec(1)", 0, 0},
      {"arcsec(-1)", pi, 0},    {"arccsc(2)", pi / 6, 1},      {"arccsc(-2)", -pi / 6, 1},
      {"arccsc(1)", pi / 2, 0}, {"arccsc(-1)", -pi / 2, 0},
  };
  expectValues(cases);
}

TEST(InverseTrigonometric, DomainErrors) {
  const ErrorCase cases[] = {
      {"arcsin(1.5)", domainError}, {"arccos(-2)", domainError},
      {"arccot(0)", domainError},   {"arcsec(0.5)", invalid},
      {"arcsec(0)", invalid},       {"arccsc(0.5)", invalid},
      {"arccsc(-0.99)", invalid},
  };
  expectErrors(cases);
}
