#include "librarybench.h"

#include "benchcommon.h"
#include "formulas.h"

#include "quorvex/quorvex.hpp"

#include <cmath>
#include <string>
#include <vector>

namespace quorvex::bench {

namespace {

constexpr std::size_t blockRows = 10000;
constexpr const char *libraryColumn = "library";
constexpr double goal = 1.05;

std::string blockRow(const BenchFormula &formula) {
  return formula.name + " block, per row";
}

// The formula compiled through the interface, its variables bound by
// address to values.
Formula compiled(const BenchFormula &formula, std::vector<double> &values) {
  std::vector<Variable> variables;
  for (std::size_t i = 0; i < formula.variables.size(); ++i)
    variables.emplace_back(formula.variables[i].name, &values[i]);
  return {formula.ours, variables};
}

void evaluate(benchmark::State &state, const BenchFormula &formula) {
  std::vector<double> values = initialValues(formula);
  Formula f = compiled(formula, values);
  if (!confirmAgreement(state, formula, f.evaluate()))
    return;
  Nudger nudge(values[0]);
  for (auto _ : state) {
    nudge();
    benchmark::DoNotOptimize(f.evaluate());
  }
}

// The same columns as the block evaluator's own row: each variable's
// initial value, nudged a little from row to row.
void columns(benchmark::State &state, const BenchFormula &formula) {
  std::vector<std::vector<double>> values;
  std::vector<const double *> pointers;
  for (const BenchVariable &variable : formula.variables) {
    std::vector<double> column(blockRows);
    for (std::size_t r = 0; r < blockRows; ++r)
      column[r] = variable.value * (1 + static_cast<double>(r % 1000) * 1e-9);
    values.push_back(std::move(column));
  }
  pointers.reserve(values.size());
  for (const auto &column : values)
    pointers.push_back(column.data());
  std::vector<double> storage = initialValues(formula);
  Formula f = compiled(formula, storage);
  std::vector<double> results(blockRows), expected(blockRows);
  if (f.evaluate(pointers, blockRows, results.data()) != 0) {
    failBenchmark(state, formula.name + ": a row failed through the library");
    return;
  }
  nativeLoopOf(formula)(pointers.data(), blockRows, expected.data());
  for (std::size_t r = 0; r < blockRows; ++r)
    if (!agrees(results[r], expected[r])) {
      failBenchmark(state,
                    formula.name + ": a library row disagrees with the native loop");
      return;
    }
  for (auto _ : state) {
    f.evaluate(pointers, blockRows, results.data());
    benchmark::DoNotOptimize(results.data());
    benchmark::ClobberMemory();
  }
}

} // namespace

void registerLibraryBenchmarks() {
  for (const BenchFormula &formula : benchFormulas()) {
    benchmark::RegisterBenchmark(benchName(evaluateRow(formula), libraryColumn).c_str(),
                                 evaluate, formula);
    benchmark::RegisterBenchmark(benchName(blockRow(formula), libraryColumn).c_str(),
                                 columns, formula)
        ->MeasureProcessCPUTime();
  }
}

bool printLibraryTable(const MedianCollector &medians, std::FILE *out) {
  std::fprintf(out,
               "\nThe library's public interface against the engine's own calls for the "
               "same formulas, ns (per row for the blocks of %zu rows).\n\n",
               blockRows);
  std::fprintf(out, "%-24s %10s %10s %8s  %-18s %s\n", "row", "internal", "library",
               "ratio", "goal", "met");
  std::fprintf(out, "%s\n", std::string(80, '-').c_str());
  bool allMet = true;
  for (const BenchFormula &formula : benchFormulas())
    for (const bool block : {false, true}) {
      const std::string row = block ? blockRow(formula) : evaluateRow(formula);
      const double scale = block ? static_cast<double>(blockRows) : 1;
      const double internal = medians.median(benchName(row, oursColumn)) / scale;
      const double library = medians.median(benchName(row, libraryColumn)) / scale;
      if (std::isnan(internal) || std::isnan(library)) {
        std::fprintf(out, "%-24s %10s\n", row.c_str(), "not run");
        continue;
      }
      const bool met = library <= goal * internal;
      allMet = allMet && met;
      std::fprintf(out, "%-24s %10.2f %10.2f %8.3f  %-18s %s\n", row.c_str(), internal,
                   library, library / internal, "<= 1.05 x internal", met ? "yes" : "NO");
    }
  return allMet;
}

} // namespace quorvex::bench
