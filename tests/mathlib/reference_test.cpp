// Accuracy of every routine against the committed reference table (made by
// tools/gen_math_reference.py with 300-bit arithmetic). Prints the worst
// error per function: run
//   mathlib_tests --gtest_filter='MathReference.*'
// to see the table. The accuracy rows (a sample of the quad-precision
// accuracy tool's arguments, the ones it found nearest a rounding boundary
// and the doubles nearest multiples of pi/2, see tools/mathcheck.cpp) must
// round correctly too, and the hard ones by way of the slow path.

#include "formula.h"

#include "mathlib/catalogue.h"
#include "mathlib/quadprecision.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

struct Row {
  std::string function;
  Float x = 0;
  Float z = 0;
  bool binary = false;
  std::string expected; // a double, or "!" and the error message
  std::string exact;    // the true value to 25 digits, for successful rows
  int line = 0;
};

std::vector<std::string> splitFields(const std::string &line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  std::string field;
  while (std::getline(stream, field, ','))
    fields.push_back(field);
  if (!line.empty() && line.back() == ',')
    fields.emplace_back();
  return fields;
}

std::vector<Row> loadTable(const std::string &path = QUORVEX_MATH_REFERENCE) {
  std::ifstream in(path);
  std::vector<Row> rows;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#')
      continue;
    const std::vector<std::string> f = splitFields(line);
    if (f.size() != 5) {
      ADD_FAILURE() << "malformed reference line " << number << ": " << line;
      continue;
    }
    Row row;
    row.function = f[0];
    row.x = std::strtod(f[1].c_str(), nullptr);
    row.binary = !f[2].empty();
    row.z = row.binary ? std::strtod(f[2].c_str(), nullptr) : 0;
    row.expected = f[3];
    row.exact = f[4];
    row.line = number;
    rows.push_back(row);
  }
  return rows;
}

std::string shortest(Float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

// The spacing of doubles at the magnitude of v.
long double ulpAt(Float v) {
  const long double smallest = std::ldexp(1.0L, -1074);
  if (v == 0)
    return smallest;
  return std::max(smallest, std::ldexp(1.0L, std::ilogb(v) - 52));
}

struct Worst {
  int rows = 0;
  int valueRows = 0;
  std::int64_t steps = 0; // from the correctly rounded double
  long double error = 0;  // from the true value, in ulps
};

} // namespace

TEST(MathReference, EveryRoutineIsWithinOneUlpAndFailsWithTheRightError) {
  const std::vector<Row> rows = loadTable();
  ASSERT_FALSE(rows.empty()) << "no reference table at " << QUORVEX_MATH_REFERENCE;
  std::map<std::string, Worst> worst;
  for (const Row &row : rows) {
    Worst &w = worst[row.function];
    ++w.rows;
    const std::string formula = row.function + (row.binary ? "(x;z)" : "(x)");
    const std::vector<std::pair<std::string, Float>> variables{{"x", row.x},
                                                               {"z", row.z}};
    const std::string where = formula + " with x=" + shortest(row.x) +
                              " z=" + shortest(row.z) + " (reference line " +
                              std::to_string(row.line) + ")";
    if (row.expected[0] == '!') {
      EXPECT_EQ(mathtest::errorOf(formula, variables), row.expected.substr(1)) << where;
      continue;
    }
    ++w.valueRows;
    Float computed = 0;
    try {
      computed = mathtest::evaluate(formula, variables);
    } catch (const std::exception &error) {
      ADD_FAILURE() << where << " raised " << error.what() << ", expected "
                    << row.expected;
      continue;
    }
    const Float expected = std::strtod(row.expected.c_str(), nullptr);
    const std::int64_t steps = mathtest::ulpDistance(computed, expected);
    const long double exact = std::strtold(row.exact.c_str(), nullptr);
    const long double error = std::fabs(computed - exact) / ulpAt(expected);
    EXPECT_LE(steps, 1) << where << " gave " << computed << ", expected " << row.expected;
    w.steps = std::max(w.steps, steps);
    w.error = std::max(w.error, error);
  }

  std::printf("%-10s %5s %6s %12s %14s\n", "function", "rows", "values", "worst steps",
              "worst ulp err");
  for (const auto &[name, w] : worst)
    std::printf("%-10s %5d %6d %12lld %14.3Lf\n", name.c_str(), w.rows, w.valueRows,
                static_cast<long long>(w.steps), w.error);

  // Every catalogue function has reference rows, and nothing else has.
  EXPECT_EQ(worst.size(), catalogueFunctions().size());
  for (const CatalogueFunction &f : catalogueFunctions())
    EXPECT_GE(worst[std::string(f.name)].valueRows, 40) << f.name;
}

namespace {

const std::string dataDirectory = QUORVEX_MATH_DATA;

// Runs a value row's formula; false (after reporting) when it raised.
bool computeRow(const Row &row, Float &computed, std::string &where) {
  const std::string formula = row.function + (row.binary ? "(x;z)" : "(x)");
  where = formula + " with x=" + shortest(row.x) + " z=" + shortest(row.z) + " (line " +
          std::to_string(row.line) + ")";
  try {
    computed = mathtest::evaluate(formula, {{"x", row.x}, {"z", row.z}});
  } catch (const std::exception &error) {
    ADD_FAILURE() << where << " raised " << error.what() << ", expected " << row.expected;
    return false;
  }
  return true;
}

// Functions that are a single correctly rounded operation, with no slow
// path to take.
bool hasSlowPath(const std::string &function) {
  return function != "abs" && function != "sqrt" && function != "square";
}

} // namespace

TEST(MathAccuracy, EveryRowOfEveryTableIsCorrectlyRounded) {
  int values = 0;
  for (const char *file : {"math_reference.csv", "math_accuracy.csv", "math_hard.csv"}) {
    const std::vector<Row> rows = loadTable(dataDirectory + "/" + file);
    ASSERT_FALSE(rows.empty()) << file;
    for (const Row &row : rows) {
      if (row.expected[0] == '!')
        continue;
      Float computed = 0;
      std::string where;
      if (!computeRow(row, computed, where))
        continue;
      ++values;
      EXPECT_EQ(
          mathtest::ulpDistance(computed, std::strtod(row.expected.c_str(), nullptr)), 0)
          << file << ": " << where << " gave " << shortest(computed) << ", expected "
          << row.expected;
    }
  }
  EXPECT_GT(values, 4000);
}

// Arguments whose true value lies within 2^-20 ulp (about 2^-72 relative)
// of a rounding boundary, closer than the fast paths' error bounds allow
// them to decide: they must be decided by the slow path and still round
// correctly.
TEST(MathAccuracy, HardCasesTakeTheSlowPath) {
  const std::vector<Row> rows = loadTable(dataDirectory + "/math_hard.csv");
  int hard = 0;
  for (const Row &row : rows) {
    if (row.expected[0] == '!' || !hasSlowPath(row.function))
      continue;
    const unsigned long long before = quad::slowPathCount();
    Float computed = 0;
    std::string where;
    if (!computeRow(row, computed, where))
      continue;
    ++hard;
    EXPECT_GT(quad::slowPathCount(), before) << where << " was decided by its fast path";
  }
  EXPECT_GT(hard, 300);
}

namespace {

// A random argument of either sign: half of them of ordinary size (2^-8 to
// 2^8), the others anywhere from 2^-1000 to 2^1000.
Float randomArgument(std::mt19937_64 &random) {
  std::uniform_real_distribution<double> ordinary(-8, 8);
  std::uniform_real_distribution<double> anywhere(-1000, 1000);
  const double exponent = random() % 2 ? ordinary(random) : anywhere(random);
  return (random() % 2 ? -1 : 1) * std::exp2(exponent);
}

} // namespace

// The slow path is for the rare argument near a rounding boundary and for
// subnormal results. A fast path that gave up on ordinary arguments would
// still round correctly, only a hundred times slower, and every other test
// would pass.
TEST(MathAccuracy, OrdinaryArgumentsAreDecidedWithoutTheSlowPath) {
  constexpr int arguments = 4000;
  std::mt19937_64 random(20261209);
  Float x = 0, z = 0;
  const auto check = [&](const std::string &formula, const auto &draw) {
    TCompiledEvaluator evaluator;
    evaluator.ExternalContexts.Add(StandardContext());
    evaluator.AddVariable("x", &x);
    evaluator.AddVariable("z", &z);
    evaluator.Compile(formula);
    int decided = 0, slow = 0;
    for (int tries = 0; decided < arguments && tries < 100 * arguments; ++tries) {
      draw();
      const unsigned long long before = quad::slowPathCount();
      Float value = 0;
      try {
        value = evaluator.Evaluate();
      } catch (const std::exception &) {
        continue; // outside the domain
      }
      // A result that may underflow takes the slow path by design, and the
      // routines judge that from the argument, with a margin.
      if (std::fabs(value) < 0x1p-960)
        continue;
      ++decided;
      slow += quad::slowPathCount() > before;
    }
    EXPECT_EQ(decided, arguments) << formula;
    // Near a rounding boundary: about 1 argument in 10^4.
    EXPECT_LE(slow, arguments / 400) << formula;
  };
  for (const CatalogueFunction &function : catalogueFunctions()) {
    const std::string name(function.name);
    if (!hasSlowPath(name))
      continue;
    check(name + (function.argumentCount() == 2 ? "(x;z)" : "(x)"), [&] {
      x = randomArgument(random);
      z = randomArgument(random);
    });
  }
  // Compound interest over many periods: a base near 1, to an exponent that
  // keeps the power within the doubles.
  check("power(x;z)", [&] {
    const double offset = std::ldexp(std::uniform_real_distribution<double>(1, 2)(random),
                                     -1 - static_cast<int>(random() % 30));
    x = random() % 2 ? 1 + offset : 1 - offset;
    z = std::uniform_real_distribution<double>(-700, 700)(random) / std::log(x);
  });
}
