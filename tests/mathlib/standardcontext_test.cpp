#include "formula.h"

#include "engine/errors.h"
#include "mathlib/standardcontext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace quorvex;
using quorvex::mathtest::ErrorOf;
using quorvex::mathtest::Evaluate;

namespace {

struct ConstantCase {
  const char *name;
  Float registered; // the shortest decimal of the double a formula sees
};

const ConstantCase Constants[] = {
    {"pi", 3.141592653589793},       {"bernstein", 0.2801694990238691},
    {"cbrt2", 1.2599210498948732},   {"cbrt3", 1.4422495703074083},
    {"cbrt10", 2.154434690031884},   {"cbrt100", 4.641588833612779},
    {"cbrtPi", 1.4645918875615234},  {"catalan", 0.915965594177219},
    {"pion2", 1.5707963267948966},   {"pion3", 1.0471975511965979},
    {"pion4", 0.7853981633974483},   {"sqrt2", 1.4142135623730951},
    {"sqrt3", 1.7320508075688772},   {"sqrt5", 2.23606797749979},
    {"sqrt10", 3.1622776601683795},  {"sqrtpi", 1.772453850905516},
    {"sqrt2pi", 2.5066282746310007}, {"twopi", 6.283185307179586},
    {"threepi", 9.42477796076938},   {"ln2", 0.6931471805599453},
    {"ln10", 2.302585092994046},     {"lnpi", 1.1447298858494002},
    {"log2", 0.3010299956639812},    {"log3", 0.47712125471966244},
    {"logpi", 0.49714987269413385},  {"loge", 0.4342944819032518},
    {"Nconst", 2.718281828459045},   {"hln2pi", 0.9189385332046728},
    {"inv2pi", 0.159154943091895},   {"twotopower63", 9223372036854775808.0},
    {"goldenmean", 1.618033988749895}, {"eulermascheroni", 0.5772156649015329},
    {"deg", 57.29577951308232},      {"amu", 1.6606e-27},
    {"avog", 6.0225e23},             {"boltz", 1.3805e-23},
    {"echarge", 1.602189e-19},       {"emass", 9.11e-31},
    {"evolt", 1.602e-19},            {"farad", 96480.56},
    {"gas", 8.31441},                {"neutron", 1.6748e-27},
    {"planck", 6.626e-34},           {"proton", 1.6725e-27},
    {"light", 2.9979e8},             {"gravity", 9.80665},
    {"pressure", 101325},            {"stefan", 5.67032e-8},
    {"bohr", 5.2917706e-11},
};

// One valid call per registered function name.
const char *const FunctionCalls[] = {
    "sin(0.5)",       "cos(0.5)",       "exp(0.5)",       "ln(0.5)",
    "square(0.5)",    "sqrt(0.5)",      "abs(0.5)",       "tan(0.5)",
    "arctan(0.5)",    "logbase10(0.5)", "logbase2(0.5)",  "cot(0.5)",
    "sec(0.5)",       "csc(0.5)",       "arcsin(0.5)",    "arccos(0.5)",
    "arccot(0.5)",    "arcsec(2)",      "arccsc(2)",      "cosh(0.5)",
    "coth(0.5)",      "csch(0.5)",      "sech(0.5)",      "sinh(0.5)",
    "tanh(0.5)",      "arccosh(2)",     "arccoth(2)",     "arccsch(0.5)",
    "arcsech(0.5)",   "arcsinh(0.5)",   "arctanh(0.5)",   "coversine(0.5)",
    "exsecans(0.5)",  "haversine(0.5)", "versine(0.5)",   "power(2;0.5)",
    "pythag(2;0.5)",  "logbasen(2;0.5)", "arctan2(2;0.5)",
};

} // namespace

TEST(StandardContext, SecondCallReturnsTheSameInstance) {
  TExprHashContext &first = StandardContext();
  EXPECT_EQ(&first, &StandardContext());
}

TEST(StandardContext, EveryConstantHasItsRegisteredValue) {
  for (const ConstantCase &c : Constants)
    EXPECT_EQ(Evaluate(c.name), c.registered) << c.name;
}

TEST(StandardContext, EveryFunctionIsReachable) {
  for (const char *call : FunctionCalls) {
    EXPECT_EQ(ErrorOf(call), "") << call;
    EXPECT_TRUE(std::isfinite(Evaluate(call))) << call;
  }
}

TEST(StandardContext, HoldsEverySymbolInOneHundredBuckets) {
  const TExprHashContext &context = StandardContext();
  EXPECT_EQ(context.Map().Count(), 88u);
  EXPECT_EQ(context.Map().BucketCount(), 100u);
}

TEST(StandardContext, NamesAreFoundRegardlessOfCase) {
  for (const char *name : {"pi", "PI", "Pi", "pI"})
    EXPECT_EQ(Evaluate(name), 3.141592653589793) << name;
  for (const char *name : {"Nconst", "NConst", "nconst", "NCONST"})
    EXPECT_EQ(Evaluate(name), 2.718281828459045) << name;
  EXPECT_EQ(Evaluate("SQRT(4) + Sqrt(9) + LogBaseN(2;8)"), 8);
  // Registered under the exact names, capitals included.
  const TExprSym *symbol = StandardContext().Find("CBRTPI");
  ASSERT_NE(symbol, nullptr);
  EXPECT_EQ(symbol->Name, "cbrtPi");
}

TEST(StandardContext, SimilarNamesAreDistinctSymbols) {
  EXPECT_EQ(Evaluate("log2"), 0.3010299956639812);
  EXPECT_EQ(Evaluate("logbase2(8)"), 3);
  EXPECT_EQ(Evaluate("ln2"), 0.6931471805599453);
  EXPECT_EQ(Evaluate("ln(2)"), 0.6931471805599453);
  // Published to 15 digits only, so it differs from 0.5/pi.
  EXPECT_EQ(Evaluate("inv2pi"), 0.159154943091895);
  EXPECT_NE(Evaluate("inv2pi"), Evaluate("0.5/pi"));
}

// The variable wins inside its own evaluator only; the shared context is
// not changed by it.
TEST(StandardContext, VariableHidesConstantForOneEvaluatorOnly) {
  TCompiledEvaluator hiding;
  hiding.ExternalContexts.Add(StandardContext());
  const Float three = 3;
  hiding.AddVariable("PI", &three);
  hiding.Compile("pi * 2");

  TCompiledEvaluator plain;
  plain.ExternalContexts.Add(StandardContext());
  plain.Compile("pi * 2");

  EXPECT_EQ(hiding.Evaluate(), 6);
  EXPECT_EQ(plain.Evaluate(), 6.283185307179586);
  EXPECT_EQ(Evaluate("pi"), 3.141592653589793);
}

TEST(StandardContext, OutlivesTheEvaluatorsThatUseIt) {
  { EXPECT_EQ(Evaluate("cos(0)"), 1); }
  const TExprSym *symbol = StandardContext().Find("cos");
  ASSERT_NE(symbol, nullptr);
  EXPECT_EQ(ErrorOf("cos(0)"), "");
}
