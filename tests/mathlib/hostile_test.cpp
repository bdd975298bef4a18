// Every function at its poles, branch points, signed zeros, the extremes of
// the double range and subnormals: each call ends in a value or one of the
// calculator's own errors, and the same machine then computes cleanly.

#include "formula.h"

#include "engine/errors.h"
#include "mathlib/catalogue.h"
#include "mathlib/standardcontext.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

std::vector<Float> specialArguments() {
  using Limits = std::numeric_limits<Float>;
  const Float two63 = 9223372036854775808.0;
  std::vector<Float> values = {0.0,
                               1.0,
                               2.0,
                               0.5,
                               two63,
                               std::nextafter(two63, 0.0),
                               std::nextafter(two63, 1e300),
                               1.5707963267948966,
                               3.141592653589793,
                               710.0,
                               11357.0,
                               1e-30,
                               Limits::max(),
                               Limits::min(),
                               Limits::denorm_min(),
                               std::nextafter(1.0, 2.0),
                               std::nextafter(1.0, 0.0),
                               Limits::infinity(),
                               Limits::quiet_NaN()};
  const std::size_t positives = values.size();
  for (std::size_t i = 0; i < positives; ++i)
    values.push_back(-values[i]);
  return values;
}

// Runs one machine on x, then on a harmless x: the first may fail only with
// the calculator's own errors, and the second must match a fresh machine.
void sweep(const std::string &formula, Float x, Float y) {
  SCOPED_TRACE(formula + " with x = " + std::to_string(x) + ", y = " + std::to_string(y));
  TCompiledEvaluator evaluator;
  evaluator.ExternalContexts.Add(StandardContext());
  Float xs = x, ys = y;
  evaluator.AddVariable("x", &xs);
  evaluator.AddVariable("y", &ys);
  evaluator.Compile(formula);
  try {
    (void)evaluator.Evaluate();
  } catch (const Exception &) {
    // a clean error with a message is a fine outcome
  } catch (const std::exception &foreign) {
    ADD_FAILURE() << "foreign exception: " << foreign.what();
  }
  xs = 0.75;
  ys = 1.25;
  const std::string clean = mathtest::errorOf(formula, {{"x", 0.75}, {"y", 1.25}});
  if (clean.empty())
    EXPECT_EQ(evaluator.Evaluate(),
              mathtest::evaluate(formula, {{"x", 0.75}, {"y", 1.25}}));
  else
    EXPECT_THROW((void)evaluator.Evaluate(), Exception);
}

} // namespace

TEST(MathHostile, EveryUnaryFunctionAtSpecialArguments) {
  for (const CatalogueFunction &f : catalogueFunctions())
    if (f.argumentCount() == 1)
      for (Float x : specialArguments())
        sweep(std::string(f.name) + "(x)", x, 0);
}

TEST(MathHostile, EveryBinaryFunctionAtSpecialArgumentPairs) {
  const std::vector<Float> values = specialArguments();
  for (const CatalogueFunction &f : catalogueFunctions())
    if (f.argumentCount() == 2)
      for (Float x : values)
        for (Float y : values)
          sweep(std::string(f.name) + "(x;y)", x, y);
}

// A user variable hides any library name, in any case, for its own
// evaluator; what follows the name is then trailing text.
TEST(MathHostile, VariableNamedLikeEveryLibraryName) {
  std::vector<std::string> names;
  for (const CatalogueConstant &c : catalogueConstants())
    names.emplace_back(c.name);
  for (const CatalogueFunction &f : catalogueFunctions())
    names.emplace_back(f.name);
  ASSERT_EQ(names.size(), 88u);
  for (const std::string &name : names) {
    std::string upper = name;
    for (char &c : upper)
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(mathtest::evaluate(name + "(1;2)", {{upper, 42.5}}), 42.5) << name;
    EXPECT_EQ(mathtest::evaluate(name + " * 2", {{name, 42.5}}), 85) << name;
    ASSERT_NE(StandardContext().Find(upper), nullptr) << name;
  }
}
