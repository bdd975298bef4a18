#include "columnbench.h"

#include "benchcommon.h"

#include "mathlib/columnmath.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>
#include <string>
#include <vector>

namespace quorvex::bench {

namespace {

constexpr std::size_t rows = 1000000;
constexpr const char *routineColumn = "routine";
constexpr const char *libraryColumn = "C library";

// Row i of a column over [low, high): spread by the golden ratio's
// fraction, the same doubles bench/columnmath.py computes.
std::vector<double> column(double low, double high, double step) {
  std::vector<double> values(rows);
  for (std::size_t i = 0; i < rows; ++i)
    values[i] = low + (high - low) * std::fmod(static_cast<double>(i) * step, 1.0);
  return values;
}

constexpr double firstStep = 0.6180339887498949;
constexpr double secondStep = 0.41421356237309503;

struct ColumnRow {
  const char *name;
  const char *formula;
  double low, high;             // of x
  double secondLow, secondHigh; // of the second argument
  double (*unary)(double);
  double (*binary)(double, double);
};

// The functions with a column form, each over a range it is used in.
const std::vector<ColumnRow> &columnRows() {
  static const std::vector<ColumnRow> list = {
      {"sin", "sin(x)", -10, 10, 0, 0, [](double x) { return std::sin(x); }, nullptr},
      {"cos", "cos(x)", -10, 10, 0, 0, [](double x) { return std::cos(x); }, nullptr},
      {"exp", "exp(x)", -50, 50, 0, 0, [](double x) { return std::exp(x); }, nullptr},
      {"ln", "ln(x)", 1e-3, 1000, 0, 0, [](double x) { return std::log(x); }, nullptr},
      {"square", "square(x)", -1000, 1000, 0, 0, [](double x) { return x * x; }, nullptr},
      {"sqrt", "sqrt(x)", 1e-3, 1000, 0, 0, [](double x) { return std::sqrt(x); },
       nullptr},
      {"abs", "abs(x)", -1000, 1000, 0, 0, [](double x) { return std::fabs(x); },
       nullptr},
      {"tan", "tan(x)", -10, 10, 0, 0, [](double x) { return std::tan(x); }, nullptr},
      {"arctan", "arctan(x)", -10, 10, 0, 0, [](double x) { return std::atan(x); },
       nullptr},
      {"logbase10", "logbase10(x)", 1e-3, 1000, 0, 0,
       [](double x) { return std::log10(x); }, nullptr},
      {"logbase2", "logbase2(x)", 1e-3, 1000, 0, 0, [](double x) { return std::log2(x); },
       nullptr},
      {"cosh", "cosh(x)", -10, 10, 0, 0, [](double x) { return std::cosh(x); }, nullptr},
      {"sinh", "sinh(x)", -10, 10, 0, 0, [](double x) { return std::sinh(x); }, nullptr},
      {"tanh", "tanh(x)", -10, 10, 0, 0, [](double x) { return std::tanh(x); }, nullptr},
      {"power", "power(x;z)", 1e-3, 10, -10, 10, nullptr,
       [](double x, double z) { return std::pow(x, z); }},
      {"pythag", "pythag(x;z)", -100, 100, -100, 100, nullptr,
       [](double x, double z) { return std::hypot(x, z); }},
      {"arctan2", "arctan2(x;z)", -10, 10, -10, 10, nullptr,
       [](double x, double z) { return std::atan2(x, z); }},
  };
  return list;
}

std::string label(const ColumnRow &row) {
  return std::string("column ") + row.formula;
}

template <class Form>
const Form *formNamed(std::span<const Form> forms, const char *name) {
  for (const Form &form : forms)
    if (form.name == name)
      return &form;
  return nullptr;
}

// A row as the block evaluator's call of a routine gave it.
template <class... Args> double called(Float (*routine)(Args...), Args... args) noexcept {
  try {
    return routine(args...);
  } catch (const std::exception &) {
    return std::numeric_limits<double>::quiet_NaN();
  }
}

// Which of the three a benchmark runs.
enum class Way { Column, Routine, Library };

void run(benchmark::State &state, const ColumnRow &row, Way way) {
  const std::vector<double> x = column(row.low, row.high, firstStep);
  const std::vector<double> z = column(row.secondLow, row.secondHigh, secondStep);
  std::vector<double> out(rows), expected(rows);
  const auto *unary = formNamed(math::unaryColumnForms(), row.name);
  const auto *binary = formNamed(math::binaryColumnForms(), row.name);
  if (unary == nullptr && binary == nullptr) {
    failBenchmark(state, std::string(row.name) + " has no column form");
    return;
  }
  const auto once = [&] {
    switch (way) {
    case Way::Column:
      if (unary != nullptr)
        unary->column(x.data(), out.data(), rows);
      else
        binary->column(x.data(), 1, z.data(), 1, out.data(), rows);
      break;
    case Way::Routine:
      for (std::size_t i = 0; i < rows; ++i)
        out[i] = unary != nullptr ? called(unary->routine, x[i])
                                  : called(binary->routine, x[i], z[i]);
      break;
    case Way::Library:
      for (std::size_t i = 0; i < rows; ++i)
        out[i] = row.unary != nullptr ? row.unary(x[i]) : row.binary(x[i], z[i]);
      break;
    }
  };
  // Every row of ours the routine's bits, and the C library's within 1e-9.
  once();
  for (std::size_t i = 0; i < rows; ++i) {
    const double routine = unary != nullptr ? called(unary->routine, x[i])
                                            : called(binary->routine, x[i], z[i]);
    const bool same = way == Way::Library ? agrees(out[i], routine)
                                          : std::bit_cast<std::uint64_t>(out[i]) ==
                                                std::bit_cast<std::uint64_t>(routine);
    if (!same) {
      failBenchmark(state,
                    std::string(row.formula) + ": a row disagrees with the routine");
      return;
    }
  }
  for (auto _ : state) {
    once();
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
}

} // namespace

void registerColumnBenchmarks() {
  for (const ColumnRow &row : columnRows()) {
    benchmark::RegisterBenchmark(benchName(label(row), oursColumn).c_str(), run, row,
                                 Way::Column);
    benchmark::RegisterBenchmark(benchName(label(row), routineColumn).c_str(), run, row,
                                 Way::Routine);
    benchmark::RegisterBenchmark(benchName(label(row), libraryColumn).c_str(), run, row,
                                 Way::Library);
  }
}

bool printColumnTable(const MedianCollector &medians, std::FILE *out) {
  std::fprintf(
      out,
      "\nOne function over a column of %zu rows, ns per row (CPU time), on the %s "
      "vector path. Routine: our routine once per row; C library: its scalar "
      "function once per row.\n\n",
      rows, std::string(math::vectorPathName(math::vectorPath())).c_str());
  std::fprintf(out, "%-16s %8s %9s %10s %8s  %-16s %s\n", "formula", "ours",
               routineColumn, libraryColumn, "ratio", "goal", "met");
  std::fprintf(out, "%s\n", std::string(80, '-').c_str());
  bool allMet = true;
  const auto perRow = static_cast<double>(rows);
  for (const ColumnRow &row : columnRows()) {
    const std::string l = label(row);
    const double ours = medians.median(benchName(l, oursColumn)) / perRow;
    const double routine = medians.median(benchName(l, routineColumn)) / perRow;
    const double library = medians.median(benchName(l, libraryColumn)) / perRow;
    const double ratio = ours / library;
    const bool met = !std::isnan(ratio) && ratio < 1;
    allMet = allMet && met;
    std::fprintf(out, "%-16s %8.2f %9.2f %10.2f %8.2f  %-16s %s\n", row.formula, ours,
                 routine, library, ratio, "< 1.00 x C",
                 std::isnan(ratio) ? ""
                 : met             ? "yes"
                                   : "NO");
  }
  return allMet;
}

} // namespace quorvex::bench
