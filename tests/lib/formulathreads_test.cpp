#include "quorvex/quorvex.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

// Formulas that between them meet every kind of symbol (constants, one- and
// two-argument functions, variables), both separators and a fault.
struct Case {
  const char *text;
  char separator;
};
const Case cases[] = {
    {"p*power((1+k/m);(m*n))", '.'},
    {"sin(k)*cos(m)+arctan2(n;p)", '.'},
    {"sqrt(p)+ln(n)-exp(k)+pi*cbrt2", '.'},
    {"power(k;0,5)+2,25*m", ','},
    {"pythag(p;n)/(m-12)", '.'},
    {"sinh(k)+cosh(k)-tanh(0,5)", ','},
};

struct Result {
  std::uint64_t bits = 0;
  std::string message;
  std::vector<std::uint64_t> columnBits;

  bool operator==(const Result &) const = default;
};

Result run(const Case &c, double offset) {
  Result result;
  quorvex::Formula compiled(c.text, {"p", "k", "m", "n"}, {c.separator, false});
  quorvex::Formula moved = std::move(compiled);
  const double values[] = {1000 + offset, 0.05, 12, 10};
  for (std::size_t i = 0; i < 4; ++i)
    moved.set(i, values[i]);
  quorvex::Error error;
  if (const std::optional<double> v = moved.tryEvaluate(&error))
    std::memcpy(&result.bits, &*v, sizeof result.bits);
  else
    result.message = error.message();
  std::vector<double> ms, outs(64);
  for (int r = 0; r < 64; ++r)
    ms.push_back(r % 13);
  const double *columns[] = {nullptr, nullptr, ms.data(), nullptr};
  moved.evaluate(columns, ms.size(), outs.data());
  for (const double v : outs) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    result.columnBits.push_back(bits);
  }
  return result;
}

// Eight threads compile and evaluate at once, each formula with its own
// separator, and get the bits one thread alone gets.
TEST(FormulaThreads, EightThreadsGetWhatOneGets) {
  constexpr int threadCount = 8;
  constexpr int rounds = 40;
  const std::size_t caseCount = std::size(cases);
  std::vector<Result> alone;
  for (int t = 0; t < threadCount; ++t)
    for (const auto &testCase : cases)
      alone.push_back(run(testCase, t));
  std::vector<std::vector<Result>> together(threadCount);
  std::vector<std::thread> threads;
  threads.reserve(threadCount);
  for (int t = 0; t < threadCount; ++t)
    threads.emplace_back([&, t] {
      for (int round = 0; round < rounds; ++round)
        for (std::size_t c = 0; c < caseCount; ++c) {
          // Each thread starts at another case, so that different
          // formulas compile at the same moment.
          const std::size_t k = (c + static_cast<std::size_t>(t)) % caseCount;
          Result r = run(cases[k], t);
          if (round == 0)
            together[t].push_back(std::move(r));
          else if (!(r == together[t][c]))
            together[t][c].message = "changed in round " + std::to_string(round);
        }
    });
  for (std::thread &thread : threads)
    thread.join();
  for (int t = 0; t < threadCount; ++t) {
    ASSERT_EQ(together[t].size(), caseCount) << "thread " << t;
    for (std::size_t c = 0; c < caseCount; ++c) {
      const std::size_t k = (c + static_cast<std::size_t>(t)) % caseCount;
      EXPECT_EQ(together[t][c], alone[static_cast<std::size_t>(t) * caseCount + k])
          << "thread " << t << ", " << cases[k].text;
    }
  }
}

// Columns split over the library's threads, from several callers at once,
// each with its own formula: every caller gets the bits of one thread.
TEST(FormulaThreads, ColumnsOverThreadsFromThreads) {
  constexpr std::size_t rows = 40000;
  std::vector<double> xs(rows);
  for (std::size_t r = 0; r < rows; ++r)
    xs[r] = static_cast<double>(r % 500) * 0.01 - 1;
  const double *const columns[] = {xs.data()};
  const char *text = "sqrt(x)*ln(x+2)/(x-1)";
  std::vector<double> alone(rows);
  quorvex::Formula(text, {"x"}).evaluate(columns, rows, alone.data());
  std::vector<std::vector<double>> together(4, std::vector<double>(rows));
  std::vector<std::thread> callers;
  callers.reserve(together.size());
  for (std::vector<double> &results : together)
    callers.emplace_back([&, out = results.data()] {
      quorvex::Formula formula(text, {"x"});
      for (int round = 0; round < 3; ++round)
        formula.evaluate(columns, rows, out, nullptr, 3);
    });
  for (std::thread &caller : callers)
    caller.join();
  for (const std::vector<double> &results : together)
    EXPECT_TRUE(
        std::equal(results.begin(), results.end(), alone.begin(), [](double a, double b) {
          return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
        }));
}

} // namespace
