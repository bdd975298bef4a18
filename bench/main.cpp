// `make bench`: our engine against the peer and native code, one table of
// medians and ratios, each against its goal. Exits non-zero when an
// implementation disagrees with the native value or a benchmark fails.

#include "benchcommon.h"
#include "blockbench.h"
#include "columnbench.h"
#include "enginebench.h"
#include "functionbench.h"
#include "librarybench.h"
#include "memoryprobe.h"
#include "peerbench.h"
#include "programbench.h"
#include "table.h"
#include "tablebench.h"

#include "mathlib/columnmath.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

using namespace quorvex::bench;

namespace {

bool hasFlag(int argc, char **argv, const char *prefix) {
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0)
      return true;
  return false;
}

std::vector<TableRow> formulaRows(const MedianCollector &medians) {
  std::vector<TableRow> rows;
  for (const BenchFormula &formula : benchFormulas()) {
    TableRow evaluate;
    evaluate.label = evaluateRow(formula);
    evaluate.unit = "ns";
    evaluate.ours = medians.median(benchName(evaluate.label, oursColumn));
    evaluate.peerOptimized =
        medians.median(benchName(evaluate.label, peerOptimizedColumn));
    evaluate.peerPlain = medians.median(benchName(evaluate.label, peerPlainColumn));
    evaluate.native = medians.median(benchName(evaluate.label, nativeColumn));
    evaluate.ratio = evaluate.ours / evaluate.peerPlain;
    const double bound = formula.name == "F7" ? 0.8 : 1.0;
    evaluate.goal = formula.name == "F7" ? "<= 0.80 x opt off" : "<= 1.00 x opt off";
    if (!std::isnan(evaluate.ratio))
      evaluate.met = evaluate.ratio <= bound;
    // F4 also against the peer's optimized bytecode.
    if (formula.name == "F4") {
      evaluate.goal += ", 1.25 x on";
      if (!std::isnan(evaluate.ratio))
        evaluate.met = evaluate.met && evaluate.ours <= 1.25 * evaluate.peerOptimized;
    }
    rows.push_back(evaluate);

    if (formula.callsFunctions) {
      // Diagnostic, not a goal: the same run with the functions in double
      // precision, as the peer computes them, isolates the engine's share.
      TableRow engineOnly = evaluate;
      engineOnly.label = doubleMathRow(formula);
      engineOnly.ours = medians.median(benchName(engineOnly.label, oursColumn));
      engineOnly.ratio = engineOnly.ours / engineOnly.peerPlain;
      engineOnly.goal = "(engine share only)";
      engineOnly.met = -1;
      rows.push_back(engineOnly);
    }

    TableRow compile;
    compile.label = compileRow(formula);
    compile.unit = "ns";
    compile.ours = medians.median(benchName(compile.label, oursColumn));
    compile.peerOptimized = medians.median(benchName(compile.label, peerOptimizedColumn));
    compile.peerPlain = medians.median(benchName(compile.label, peerPlainColumn));
    // Against the peer's faster compile, whichever mode that is.
    compile.ratio = compile.ours / std::fmin(compile.peerOptimized, compile.peerPlain);
    compile.goal = "<= 0.25 x faster peer";
    if (formula.name == "F1")
      compile.goal += ", < 2000";
    if (!std::isnan(compile.ratio))
      compile.met =
          compile.ratio <= 0.25 && (formula.name != "F1" || compile.ours < 2000);
    rows.push_back(compile);
  }
  return rows;
}

// --vector-path=portable|avx2|avx512: the column forms compute with that
// path instead of the widest the processor has (make bench
// BENCH_FLAGS=--vector-path=avx2). False for a path that is unknown or
// that the processor lacks.
bool chooseVectorPath(std::vector<char *> &args) {
  constexpr std::string_view flag = "--vector-path=";
  for (auto arg = args.begin(); arg != args.end(); ++arg) {
    const std::string_view text(*arg);
    if (!text.starts_with(flag))
      continue;
    const std::string_view name = text.substr(flag.size());
    args.erase(arg);
    using quorvex::math::VectorPath;
    for (const VectorPath path :
         {VectorPath::Portable, VectorPath::Avx2, VectorPath::Avx512})
      if (quorvex::math::vectorPathName(path) == name)
        return quorvex::math::useVectorPath(path);
    return false;
  }
  return true;
}

} // namespace

int main(int argc, char **argv) {
  // Defaults for `make bench`; flags given on the command line win.
  std::vector<char *> args(argv, argv + argc);
  if (!chooseVectorPath(args)) {
    std::fprintf(stderr, "unknown vector path, or one this processor lacks\n");
    return 2;
  }
  std::string repetitions = "--benchmark_repetitions=5";
  std::string minTime = "--benchmark_min_time=0.2";
  // The machine is shared and its load drifts: interleaving the repetitions
  // of all benchmarks spreads the drift over every column alike.
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  if (!hasFlag(argc, argv, "--benchmark_repetitions"))
    args.push_back(repetitions.data());
  if (!hasFlag(argc, argv, "--benchmark_min_time"))
    args.push_back(minTime.data());
  if (!hasFlag(argc, argv, "--benchmark_enable_random_interleaving"))
    args.push_back(interleave.data());
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data()))
    return 2;

  registerEngineBenchmarks();
  registerPeerBenchmarks();
  registerProgramBenchmarks();
  registerTableBenchmarks();
  registerFunctionBenchmarks();
  registerBlockBenchmarks();
  registerLibraryBenchmarks();
  registerColumnBenchmarks();

  MedianCollector medians;
  std::fprintf(stderr, "Running benchmarks");
  benchmark::RunSpecifiedBenchmarks(&medians);
  std::fprintf(stderr, "\n");

  std::vector<TableRow> rows = formulaRows(medians);
  for (std::vector<TableRow> more : {engineRows(medians), programRows(medians),
                                     tableRows(medians), memoryRows(), soakRows()})
    for (TableRow &row : more)
      rows.push_back(std::move(row));
  printTable(rows, medians.repetitions(), stdout);
  printFunctionTable(medians, stdout);
  printBlockTable(medians, stdout);
  printLibraryTable(medians, stdout);
  printColumnTable(medians, stdout);

  for (const std::string &error : medians.errors())
    std::fprintf(stderr, "FAILED: %s\n", error.c_str());
  return runFailed() || !medians.errors().empty() ? 1 : 0;
}
