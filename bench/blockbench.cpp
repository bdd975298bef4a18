#include "blockbench.h"

#include "benchcommon.h"
#include "benchcontext.h"
#include "formulas.h"

#include "engine/blockevaluator.h"
#include "engine/evaluator.h"

#include <muParser.h>

#include <string>
#include <vector>

namespace quorvex::bench {

namespace {

constexpr std::size_t blockRows = 10000;
constexpr const char *peerBulkColumn = "peer bulk";
// Our block evaluator with each routine called once per row, as it was
// before the routines' column forms.
constexpr const char *perRowColumn = "per-row calls";

std::string blockRow(const BenchFormula &formula) {
  return formula.name + " block, per row";
}

// Each variable's column: its initial value, nudged a little from row to
// row so that no two rows are alike.
struct Columns {
  std::vector<std::vector<double>> values;
  std::vector<const double *> pointers;
};

Columns columnsFor(const BenchFormula &formula) {
  Columns columns;
  for (const BenchVariable &variable : formula.variables) {
    std::vector<double> column(blockRows);
    for (std::size_t r = 0; r < blockRows; ++r)
      column[r] = variable.value * (1 + static_cast<double>(r % 1000) * 1e-9);
    columns.values.push_back(std::move(column));
  }
  for (const auto &column : columns.values)
    columns.pointers.push_back(column.data());
  return columns;
}

// Every row against the native loop's; false (and the run failed) otherwise.
bool rowsAgree(benchmark::State &state, const BenchFormula &formula,
               const Columns &columns, const std::vector<double> &results) {
  std::vector<double> expected(blockRows);
  nativeLoopOf(formula)(columns.pointers.data(), blockRows, expected.data());
  for (std::size_t r = 0; r < blockRows; ++r)
    if (!agrees(results[r], expected[r])) {
      failBenchmark(state, formula.name + ": a row disagrees with the native loop");
      return false;
    }
  return true;
}

class CountingSink final : public BlockFaultSink {
public:
  void rowFailed(std::size_t, const std::exception &) noexcept override { ++count; }
  long count = 0;
};

void ours(benchmark::State &state, const BenchFormula &formula, CallKernelChoice calls) {
  const Columns columns = columnsFor(formula);
  std::vector<double> storage = initialValues(formula);
  TCompiledEvaluator evaluator;
  bindFormula(evaluator, formula, storage, benchContext());
  evaluator.Compile(formula.ours);
  std::vector<Float *> variables;
  variables.reserve(storage.size());
  for (double &value : storage)
    variables.push_back(&value);
  BlockEvaluator block(evaluator, variables, calls);
  std::vector<double> results(blockRows);
  CountingSink faults;
  block.evaluate(columns.pointers, blockRows, results.data(), faults);
  if (faults.count != 0) {
    failBenchmark(state, formula.name + ": a row failed");
    return;
  }
  if (!rowsAgree(state, formula, columns, results))
    return;
  for (auto _ : state) {
    block.evaluate(columns.pointers, blockRows, results.data(), faults);
    benchmark::DoNotOptimize(results.data());
    benchmark::ClobberMemory();
  }
}

void peerBulk(benchmark::State &state, const BenchFormula &formula) {
  Columns columns = columnsFor(formula);
  std::vector<double> results(blockRows);
  try {
    mu::Parser parser;
    parser.EnableOptimizer(true);
    for (std::size_t k = 0; k < columns.values.size(); ++k)
      parser.DefineVar(formula.variables[k].name, columns.values[k].data());
    parser.SetExpr(formula.peer);
    parser.Eval(results.data(), static_cast<int>(blockRows));
    if (!rowsAgree(state, formula, columns, results))
      return;
    for (auto _ : state) {
      parser.Eval(results.data(), static_cast<int>(blockRows));
      benchmark::DoNotOptimize(results.data());
      benchmark::ClobberMemory();
    }
  } catch (const mu::Parser::exception_type &e) {
    failBenchmark(state, formula.name + ": " + e.GetMsg());
  }
}

void nativeLoop(benchmark::State &state, const BenchFormula &formula) {
  const Columns columns = columnsFor(formula);
  std::vector<double> results(blockRows);
  const NativeLoop loop = nativeLoopOf(formula);
  for (auto _ : state) {
    loop(columns.pointers.data(), blockRows, results.data());
    benchmark::DoNotOptimize(results.data());
    benchmark::ClobberMemory();
  }
}

// The formulas whose block must come within 1.5 times the native loop:
// plain arithmetic, where nothing but the machine's own work separates the two.
bool nearNative(const BenchFormula &formula) {
  return formula.name == "F1" || formula.name == "F5" || formula.name == "F6";
}

} // namespace

void registerBlockBenchmarks() {
  for (const BenchFormula &formula : benchFormulas()) {
    const std::string row = blockRow(formula);
    benchmark::RegisterBenchmark(benchName(row, oursColumn).c_str(), ours, formula,
                                 columnFormCallKernel)
        ->MeasureProcessCPUTime();
    if (formula.callsFunctions)
      benchmark::RegisterBenchmark(benchName(row, perRowColumn).c_str(), ours, formula,
                                   perRowCallKernel)
          ->MeasureProcessCPUTime();
    benchmark::RegisterBenchmark(benchName(row, peerBulkColumn).c_str(), peerBulk,
                                 formula)
        ->MeasureProcessCPUTime();
    benchmark::RegisterBenchmark(benchName(row, nativeColumn).c_str(), nativeLoop,
                                 formula)
        ->MeasureProcessCPUTime();
  }
}

bool printBlockTable(const MedianCollector &medians, std::FILE *out) {
  std::fprintf(out,
               "\nBlock evaluation over columns of %zu rows, ns per row (process CPU "
               "time). Peer bulk: its Eval(results, n), all its threads counted; peer "
               "single: one evaluation with its optimizer. Per-row calls: ours with "
               "each routine called once per row instead of its column form.\n\n",
               blockRows);
  std::fprintf(out, "%-8s %10s %12s %8s %10s %12s %14s  %-40s %s\n", "formula", "ours",
               "native loop", "x native", "peer bulk", "peer single", perRowColumn,
               "goal", "met");
  std::fprintf(out, "%s\n", std::string(127, '-').c_str());
  bool allMet = true;
  for (const BenchFormula &formula : benchFormulas()) {
    const std::string row = blockRow(formula);
    const auto rows = static_cast<double>(blockRows);
    const double ours = medians.median(benchName(row, oursColumn)) / rows;
    const double native = medians.median(benchName(row, nativeColumn)) / rows;
    const double bulk = medians.median(benchName(row, peerBulkColumn)) / rows;
    const double single =
        medians.median(benchName(evaluateRow(formula), peerOptimizedColumn));
    const double perRow = medians.median(benchName(row, perRowColumn)) / rows;
    std::string goal = "< peer bulk, < peer single";
    bool met = ours < bulk && ours < single;
    // The functions' column forms at least triple the rows per second.
    if (formula.name == "F4") {
      goal += ", <= 1/3 per-row calls";
      met = met && ours <= perRow / 3;
    }
    if (nearNative(formula)) {
      goal += ", <= 1.5 x native";
      met = met && ours <= 1.5 * native;
    }
    if (std::isnan(ours) || std::isnan(native) || std::isnan(bulk) ||
        std::isnan(single)) {
      std::fprintf(out, "%-8s %10s\n", formula.name.c_str(), "not run");
      continue;
    }
    allMet = allMet && met;
    std::fprintf(out, "%-8s %10.2f %12.2f %8.2f %10.2f %12.2f %14.2f  %-40s %s\n",
                 formula.name.c_str(), ours, native, ours / native, bulk, single, perRow,
                 goal.c_str(), met ? "yes" : "NO");
  }
  return allMet;
}

} // namespace quorvex::bench
