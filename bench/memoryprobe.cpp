#include "memoryprobe.h"

#include "allocationcounter.h"
#include "benchcommon.h"
#include "benchcontext.h"

#include "engine/evaluator.h"
#include "engine/lexer.h"

#include <algorithm>

namespace quorvex::bench {

namespace {

std::size_t tokenCount(const std::string &text) {
  TExprSimpleLexer lexer(text);
  std::size_t tokens = 0;
  for (; lexer.CurrentToken != TokenKind::EndOfText; lexer.Next())
    ++tokens;
  return tokens;
}

struct CompileFootprint {
  double peakPerToken = 0; // heap peak during Compile / tokens
  double bytesPerOp = 0;   // (machine object + heap it keeps) / ops
  std::size_t evaluateAllocations = 0;
};

CompileFootprint measure(const BenchFormula &formula) {
  std::vector<double> values = initialValues(formula);
  TCompiledEvaluator evaluator;
  bindFormula(evaluator, formula, values, benchContext());

  CompileFootprint footprint;
  HeapCounts compile;
  {
    HeapCounter counter;
    evaluator.Compile(formula.ours);
    compile = counter.counts();
  }
  // What Compile keeps besides the machine is its copy of the text.
  const std::size_t text =
      evaluator.Expression().capacity() >= 16 ? evaluator.Expression().capacity() + 1 : 0;
  const std::size_t machineHeap = compile.liveBytes > text ? compile.liveBytes - text : 0;
  const std::size_t ops =
      evaluator.Machine.CodeList.size() + evaluator.Machine.ConstList.size();
  footprint.peakPerToken = static_cast<double>(compile.peakBytes) /
                           static_cast<double>(tokenCount(formula.ours));
  footprint.bytesPerOp =
      static_cast<double>(machineHeap + sizeof(TExprVirtMach)) / static_cast<double>(ops);
  {
    HeapCounter counter;
    Nudger nudge(values[0]);
    for (int i = 0; i < 1000; ++i) {
      nudge();
      benchmark::DoNotOptimize(evaluator.Evaluate());
    }
    footprint.evaluateAllocations = counter.counts().allocations;
  }
  return footprint;
}

} // namespace

std::vector<TableRow> memoryRows() {
  double worstPeak = 0;
  std::string worstPeakName;
  std::size_t evaluateAllocations = 0;
  double longBytesPerOp = none;
  for (const BenchFormula &formula : benchFormulas()) {
    const CompileFootprint f = measure(formula);
    if (f.peakPerToken > worstPeak) {
      worstPeak = f.peakPerToken;
      worstPeakName = formula.name;
    }
    evaluateAllocations += f.evaluateAllocations;
    if (formula.name == "F7")
      longBytesPerOp = f.bytesPerOp;
  }
  std::vector<TableRow> rows;
  TableRow perOp;
  perOp.label = "machine size per op, F7";
  perOp.unit = "bytes";
  perOp.ours = longBytesPerOp;
  perOp.goal = "<= 64";
  perOp.met = longBytesPerOp <= 64;
  rows.push_back(perOp);

  TableRow peak;
  peak.label = "compile heap peak/token, " + worstPeakName;
  peak.unit = "bytes";
  peak.ours = worstPeak;
  peak.goal = "<= 256 (worst F1-F" + std::to_string(benchFormulas().size()) + ")";
  peak.met = worstPeak <= 256;
  rows.push_back(peak);

  TableRow allocations;
  allocations.label =
      "allocations in " + std::to_string(1000 * benchFormulas().size()) + " Evaluates";
  allocations.unit = "count";
  allocations.ours = static_cast<double>(evaluateAllocations);
  allocations.goal = "0";
  allocations.met = evaluateAllocations == 0;
  rows.push_back(allocations);
  return rows;
}

} // namespace quorvex::bench
