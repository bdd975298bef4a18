// The column forms against their routines, bit for bit, on every vector
// path this processor has: the arguments of every row of the reference,
// accuracy and hard-case tables, random arguments over the whole range and
// in the ordinary ones, and the edges of each kernel's range.

#include "engine/blockevaluator.h"
#include "engine/evaluator.h"
#include "mathlib/columnmath.h"
#include "mathlib/standardcontext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <limits>
#include <numbers>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace quorvex;
using namespace quorvex::math;

namespace {

constexpr Float notANumber = std::numeric_limits<Float>::quiet_NaN();

// What the block evaluator's call of the routine gives.
template <class... Args> Float routineValue(Float (*routine)(Args...), Args... args) {
  if (!(std::isfinite(args) && ...))
    return notANumber;
  try {
    return routine(args...);
  } catch (const std::exception &) {
    return notANumber;
  }
}

bool sameBits(Float a, Float b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) ||
         (std::isnan(a) && std::isnan(b));
}

// The x and z of every row of the committed tables.
std::vector<std::pair<Float, Float>> tableArguments() {
  std::vector<std::pair<Float, Float>> pairs;
  for (const char *file : {"math_reference.csv", "math_accuracy.csv", "math_hard.csv"}) {
    std::ifstream in(std::string(QUORVEX_MATH_DATA) + "/" + file);
    std::string line, function, x, z;
    while (std::getline(in, line)) {
      std::istringstream fields(line);
      if (line[0] != '#' && std::getline(fields, function, ',') &&
          std::getline(fields, x, ',') && std::getline(fields, z, ','))
        pairs.emplace_back(std::strtod(x.c_str(), nullptr),
                           z.empty() ? 1.0 : std::strtod(z.c_str(), nullptr));
    }
  }
  return pairs;
}

std::vector<Float> edges() {
  // Zero, the subnormals' ends, the largest double, infinity and NaN, the
  // kernels' limits and the thresholds of overflow and underflow.
  std::vector<Float> e = {
      0.0,      0x1p-1074, 0x1.ffffffffffffep-1023, 0x1p-1022, 0x1.fffffffffffffp1023,
      HUGE_VAL, notANumber};
  for (const Float v :
       {0x1p-969, 0x1p-400, 0x1p-60, 0x1p-27, 1.0, 2.0, 22.0, 708.0, 710.0, 0x1p12,
        0x1p28, 0x1p60, 0x1p63, 0x1p400, 745.5, 0.5493061443340549, 709.782712893384,
        710.4758600739439, 745.1332191019411})
    e.push_back(v);
  // The doubles next to 1 and to multiples of pi/2, up to near 2^63.
  for (const long double k : {1.0L, 2.0L, 3.0L, 1000.0L, 2607.0L, 5871781006564002453.0L})
    e.push_back(static_cast<Float>(k * std::numbers::pi_v<long double> / 2));
  for (std::size_t i = 0, n = e.size(); i < n; ++i)
    for (const Float v :
         {e[i], std::nextafter(e[i], 0.0), std::nextafter(e[i], HUGE_VAL)})
      for (const Float s : {v, -v})
        e.push_back(s);
  return e;
}

// Arguments anywhere (log-uniform magnitudes of both signs) and of ordinary
// size, in a random order so that undecided lanes fall everywhere.
std::vector<Float> arguments(std::mt19937_64 &random) {
  std::vector<Float> a = edges();
  for (const auto &[x, z] : tableArguments()) {
    a.push_back(x);
    a.push_back(z);
  }
  std::uniform_real_distribution<Float> exponent(-1074, 1024), ordinary(-20, 20);
  for (int i = 0; i < 20000; ++i) {
    a.push_back((random() % 2 ? -1 : 1) * std::exp2(exponent(random)));
    a.push_back(ordinary(random) * (random() % 2 ? 1 : 40));
  }
  std::shuffle(a.begin(), a.end(), random);
  return a;
}

std::vector<VectorPath> availablePaths() {
  std::vector<VectorPath> paths;
  for (const VectorPath p : {VectorPath::Portable, VectorPath::Avx2, VectorPath::Avx512})
    if (vectorPathAvailable(p))
      paths.push_back(p);
  return paths;
}

// Whole columns, and pieces of other lengths and starts, for the last
// partial vector.
template <class Compute> void expectColumns(std::size_t n, Compute compute) {
  for (const auto &[start, length] : std::vector<std::pair<std::size_t, std::size_t>>{
           {0, n}, {1, 0}, {3, 1}, {5, 2}, {7, 3}, {11, 7}, {13, 9}, {17, 15}, {19, 17}})
    compute(start, length);
}

class ColumnForms : public testing::TestWithParam<VectorPath> {
protected:
  void SetUp() override { ASSERT_TRUE(useVectorPath(GetParam())); }
  void TearDown() override { useVectorPath(availablePaths().back()); }
};

} // namespace

TEST_P(ColumnForms, GiveTheRoutinesBits) {
  std::mt19937_64 random(40);
  const std::vector<Float> x = arguments(random);
  // Pairs: the tables' own, bases next to 1 to powers that keep the result
  // in range, and random ones, in a random order.
  std::vector<std::pair<Float, Float>> pairs = tableArguments();
  std::vector<Float> shuffled = x;
  std::shuffle(shuffled.begin(), shuffled.end(), random);
  for (std::size_t i = 0; i < x.size(); ++i) {
    const Float base =
        1 + std::ldexp(shuffled[i] - std::trunc(shuffled[i]), -int(i % 50));
    pairs.emplace_back(x[i], shuffled[i]);
    pairs.emplace_back(base, 700 * (i % 2 ? 1 : -1) / std::log(base));
  }
  std::shuffle(pairs.begin(), pairs.end(), random);
  std::vector<Float> px, pz, out(pairs.size());
  for (const auto &[a, b] : pairs) {
    px.push_back(a);
    pz.push_back(b);
  }
  for (const UnaryColumnForm &form : unaryColumnForms())
    expectColumns(x.size(), [&](std::size_t start, std::size_t length) {
      form.column(x.data() + start, out.data(), length);
      for (std::size_t i = 0; i < length; ++i)
        ASSERT_TRUE(sameBits(out[i], routineValue(form.routine, x[start + i])))
            << form.name << "(" << x[start + i] << ") gave " << out[i];
    });
  // The pairs, and each x with one z that every row shares.
  for (const BinaryColumnForm &form : binaryColumnForms())
    expectColumns(px.size(), [&](std::size_t start, std::size_t length) {
      for (const std::size_t zStride : {1, 0}) {
        form.column(px.data() + start, 1, pz.data() + start, zStride, out.data(), length);
        for (std::size_t i = 0; i < length; ++i) {
          const Float b = pz[start + i * zStride];
          ASSERT_TRUE(sameBits(out[i], routineValue(form.routine, px[start + i], b)))
              << form.name << "(" << px[start + i] << "; " << b << ") gave " << out[i];
        }
      }
    });
}

// The kernels decide ordinary arguments themselves: a kernel that left them
// all to the routine would give the same bits, only slower.
TEST_P(ColumnForms, DecideOrdinaryArgumentsInTheirLanes) {
  std::mt19937_64 random(4040);
  std::uniform_real_distribution<Float> positive(0.001, 20), any(-20, 20);
  std::vector<Float> x(4000), z(x.size()), out(x.size());
  for (std::size_t i = 0; i < x.size(); ++i) {
    x[i] = positive(random);
    z[i] = any(random);
  }
  const auto check = [&](std::string_view name, auto compute) {
    const unsigned long long before = columnFallbackCount();
    compute();
    EXPECT_LE(columnFallbackCount() - before, x.size() / 200) << name;
  };
  for (const UnaryColumnForm &form : unaryColumnForms())
    check(form.name, [&] { form.column(x.data(), out.data(), x.size()); });
  for (const BinaryColumnForm &form : binaryColumnForms())
    check(form.name,
          [&] { form.column(x.data(), 1, z.data(), 1, out.data(), x.size()); });
  // The count is what the bound above means: every NaN goes to the routine.
  const std::vector<Float> nans(x.size(), notANumber);
  const unsigned long long before = columnFallbackCount();
  for (const UnaryColumnForm &form : unaryColumnForms())
    form.column(nans.data(), out.data(), nans.size());
  for (const BinaryColumnForm &form : binaryColumnForms())
    form.column(nans.data(), 1, nans.data(), 0, out.data(), nans.size());
  EXPECT_EQ(columnFallbackCount() - before,
            nans.size() * (unaryColumnForms().size() + binaryColumnForms().size()));
}

INSTANTIATE_TEST_SUITE_P(Paths, ColumnForms, testing::ValuesIn(availablePaths()),
                         [](const auto &info) {
                           return std::string(vectorPathName(info.param));
                         });

TEST(ColumnForms, ComeWithTheStandardContext) {
  StandardContext();
  for (const UnaryColumnForm &form : unaryColumnForms())
    EXPECT_EQ(columnRoutineOf(form.routine), form.column) << form.name;
  for (const BinaryColumnForm &form : binaryColumnForms())
    EXPECT_EQ(columnRoutineOf(form.routine), form.column) << form.name;
}

namespace {

class FailedRows final : public BlockFaultSink {
public:
  void rowFailed(std::size_t row, const std::exception &) noexcept override {
    rows.insert(row);
  }
  std::set<std::size_t> rows;
};

} // namespace

// The block evaluator calls each column form once per block, for a column
// argument and for one that every row shares, and its rows get the bits the
// routine called per row gives them, faults included.
TEST(ColumnForms, AreWhatTheBlockEvaluatorCalls) {
  std::mt19937_64 random(404);
  // The edges and the tables' arguments, and a few random ones: each row
  // that fails is run again per op, so the rows here are few.
  std::vector<Float> x = edges();
  for (const auto &[a, b] : tableArguments()) {
    x.push_back(a);
    x.push_back(b);
  }
  const std::vector<Float> any = arguments(random);
  x.insert(x.end(), any.begin(), any.begin() + 2000);
  std::shuffle(x.begin(), x.end(), random);
  std::vector<Float> y = x;
  std::shuffle(y.begin(), y.end(), random);
  const auto compare = [&](std::string_view name, const std::string &formula,
                           bool yColumn,
                           const std::function<bool(const BlockStep &)> &uses) {
    SCOPED_TRACE(formula);
    Float xy[2] = {};
    TCompiledEvaluator evaluator;
    evaluator.ExternalContexts.Add(StandardContext());
    evaluator.AddVariable("x", &xy[0]);
    evaluator.AddVariable("y", &xy[1]);
    evaluator.Compile(formula);
    Float *both[] = {&xy[0], &xy[1]};
    const std::span<Float *const> columnVariables(both, yColumn ? 2 : 1);
    const BlockPlan plan = planBlock(evaluator.Machine, columnVariables);
    EXPECT_TRUE(std::any_of(plan.steps.begin(), plan.steps.end(), uses)) << name;
    const Float *columns[] = {x.data(), y.data()};
    const std::span<const Float *const> data(columns, columnVariables.size());
    std::vector<Float> viaForms(x.size()), perRow(x.size());
    FailedRows formFaults, perRowFaults;
    xy[1] = 0.75;
    BlockEvaluator(evaluator, columnVariables)
        .evaluate(data, x.size(), viaForms.data(), formFaults);
    xy[1] = 0.75;
    BlockEvaluator(evaluator, columnVariables, perRowCallKernel)
        .evaluate(data, x.size(), perRow.data(), perRowFaults);
    EXPECT_EQ(formFaults.rows, perRowFaults.rows);
    for (std::size_t i = 0; i < x.size(); ++i)
      ASSERT_EQ(std::bit_cast<std::uint64_t>(viaForms[i]),
                std::bit_cast<std::uint64_t>(perRow[i]))
          << name << " row " << i << ": x " << x[i] << ", y " << y[i];
  };
  for (const UnaryColumnForm &form : unaryColumnForms())
    compare(form.name, std::string(form.name) + "(x)", false,
            [&](const BlockStep &step) { return step.unaryForm == form.column; });
  for (const BinaryColumnForm &form : binaryColumnForms())
    for (const bool yColumn : {true, false})
      compare(form.name, std::string(form.name) + "(x;y)", yColumn,
              [&](const BlockStep &step) { return step.binaryForm == form.column; });
}
