#include "formula.h"

#include <gtest/gtest.h>

using namespace quorvex::mathtest;

TEST(Hyperbolic, TinyArgumentsKeepTheirValue) {
  const ValueCase cases[] = {
      {"sinh(1e-30)", 1e-30, 0},    {"tanh(1e-30)", 1e-30, 0},
      {"arcsinh(1e-30)", 1e-30, 0}, {"arctanh(1e-30)", 1e-30, 0},
      {"coth(1e-30)", 1e30, 1},     {"csch(1e-30)", 1e30, 1},
      {"sinh(-1e-30)", -1e-30, 0},  {"cosh(1e-30)", 1, 0},
  };
  expectValues(cases);
}

TEST(Hyperbolic, LargeArguments) {
  const ValueCase cases[] = {
      {"tanh(6000)", 1, 0},
      {"tanh(-6000)", -1, 0},
      {"tanh(100)", 1, 0},
      {"tanh(1e308)", 1, 0},
      {"cosh(710)", 1.1169973830808555e308, 1},
      {"cosh(-710)", 1.1169973830808555e308, 1},
      // csch and sech fall to the tiny true value instead of overflowing.
      {"csch(720)", 4.06446160484e-313, 1},
      {"sech(-720)", 4.06446160484e-313, 1},
      {"csch(1000)", 0, 0},
      {"sech(20000)", 0, 0},
  };
  expectValues(cases);
  const ErrorCase errors[] = {
      {"cosh(711)", overflow},
      {"sinh(711)", overflow},
      {"sinh(-711)", overflow},
      {"cosh(1e308)", overflow},
  };
  expectErrors(errors);
}

TEST(Hyperbolic, Zeros) {
  const ErrorCase cases[] = {
      {"coth(0)", zeroDivide},
      {"csch(0)", domainError},
      {"csch(-0)", domainError},
      {"coth(5e-324)", overflow},
  };
  expectErrors(cases);
  const ValueCase values[] = {{"sech(0)", 1, 0}, {"sinh(0)", 0, 0}, {"tanh(0)", 0, 0}};
  expectValues(values);
}

TEST(InverseHyperbolic, Values) {
  const ValueCase cases[] = {
      {"arctanh(0.5)", 0.5493061443340549, 1},
      {"arctanh(-0.5)", -0.5493061443340549, 1},
      {"arccosh(1)", 0, 0},
      // Odd-symmetric: no cancellation for large negative arguments.
      {"arcsinh(-1e10)", -23.7189981105004, 1},
      {"arcsinh(1e10)", 23.7189981105004, 1},
      {"arccoth(-2)", -0.5493061443340549, 1},
      {"arcsech(1)", 0, 0},
      {"arccsch(-1e-300)", -691.4686750787737, 1},
  };
  expectValues(cases);
}

TEST(InverseHyperbolic, DomainErrors) {
  const ErrorCase cases[] = {
      {"arctanh(1)", domainError},   {"arctanh(-1)", domainError},
      {"arccosh(0.5)", domainError}, {"arccoth(1)", domainError},
      {"arccoth(-1)", domainError},  {"arcsech(1.5)", domainError},
      {"arccsch(0)", domainError},   {"arccoth(0.5)", invalid},
      {"arccoth(0)", invalid},       {"arcsech(0)", zeroDivide},
      {"arcsech(-0.5)", invalid},    {"arcsech(-1)", invalid},
  };
  expectErrors(cases);
}
