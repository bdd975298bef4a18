#include "formula.h"

#include "engine/errors.h"
#include "mathlib/catalogue.h"
#include "mathlib/standardcontext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace quorvex;
using quorvex::mathtest::errorOf;
using quorvex::mathtest::evaluate;
using quorvex::mathtest::ulpDistance;

TEST(StandardContext, SecondCallReturnsTheSameInstance) {
  TExprHashContext &first = StandardContext();
  EXPECT_EQ(&first, &StandardContext());
}

// A constant reads as the double nearest the catalogue's value, and that
// double is what the constant means: within one unit of what its
// definition computes with the context's own, correctly rounded,
// functions.
TEST(StandardContext, EveryConstantHasItsRegisteredValue) {
  for (const CatalogueConstant &c : catalogueConstants()) {
    SCOPED_TRACE(std::string(c.name));
    const Float value = evaluate(c.name);
    EXPECT_EQ(value, static_cast<Float>(c.value));
    if (!c.definition.empty()) {
      EXPECT_LE(ulpDistance(value, evaluate(c.definition)), 1) << c.definition;
    }
  }
}

// Every function answers to its name with its arity, at 0.5 or 2 (one of
// them lies in every function's domain), with the value of its routine:
// the formula's first argument goes first.
TEST(StandardContext, EveryFunctionIsReachable) {
  for (const CatalogueFunction &f : catalogueFunctions()) {
    const std::string call =
        std::string(f.name) + (f.argumentCount() == 2 ? "(2;x)" : "(x)");
    bool reached = false;
    for (const Float x : {0.5, 2.0}) {
      if (!errorOf(call, {{"x", x}}).empty())
        continue;
      const Float value = evaluate(call, {{"x", x}});
      EXPECT_TRUE(std::isfinite(value)) << call << " at " << x;
      EXPECT_EQ(value, f.unary != nullptr ? f.unary(x) : f.binary(2, x))
          << call << " at " << x;
      reached = true;
      break;
    }
    EXPECT_TRUE(reached) << call;
  }
}

TEST(StandardContext, HoldsEverySymbolInOneHundredBuckets) {
  const TExprHashContext &context = StandardContext();
  EXPECT_EQ(context.Map().Count(), 88u);
  EXPECT_EQ(context.Map().BucketCount(), 100u);
}

TEST(StandardContext, NamesAreFoundRegardlessOfCase) {
  for (const char *name : {"pi", "PI", "Pi", "pI"})
    EXPECT_EQ(evaluate(name), 3.141592653589793) << name;
  for (const char *name : {"Nconst", "NConst", "nconst", "NCONST"})
    EXPECT_EQ(evaluate(name), 2.718281828459045) << name;
  EXPECT_EQ(evaluate("SQRT(4) + Sqrt(9) + LogBaseN(2;8)"), 8);
  // Registered under the exact names, capitals included.
  const TExprSym *symbol = StandardContext().Find("CBRTPI");
  ASSERT_NE(symbol, nullptr);
  EXPECT_EQ(symbol->Name, "cbrtPi");
}

TEST(StandardContext, SimilarNamesAreDistinctSymbols) {
  EXPECT_EQ(evaluate("log2"), 0.3010299956639812);
  EXPECT_EQ(evaluate("logbase2(8)"), 3);
  EXPECT_EQ(evaluate("ln2"), 0.6931471805599453);
  EXPECT_EQ(evaluate("ln(2)"), 0.6931471805599453);
  // Published to 15 digits only, so it differs from 0.5/pi.
  EXPECT_EQ(evaluate("inv2pi"), 0.159154943091895);
  EXPECT_NE(evaluate("inv2pi"), evaluate("0.5/pi"));
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
  EXPECT_EQ(evaluate("pi"), 3.141592653589793);
}

TEST(StandardContext, OutlivesTheEvaluatorsThatUseIt) {
  { EXPECT_EQ(evaluate("cos(0)"), 1); }
  const TExprSym *symbol = StandardContext().Find("cos");
  ASSERT_NE(symbol, nullptr);
  EXPECT_EQ(errorOf("cos(0)"), "");
}
