// The block evaluator against Evaluate. The input drives the formula
// generator (formulagenerator.h): a formula of the whole language, which of
// x, y and z are read from columns, and the rows, whose values now and then
// are zero, huge, tiny or not finite. Every row must get Evaluate's bits, or
// its error with the same class, message and span; a formula that does not
// compile leaves a machine without a program, whose rows all fail alike.

#include "blockoutcome.h"
#include "check.h"
#include "formulagenerator.h"
#include "threevariables.h"

#include "engine/blockevaluator.h"
#include "engine/errors.h"
#include "engine/evaluator.h"
#include "mathlib/standardcontext.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace quorvex;

using Calculator = fuzz::ThreeVariables;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  auto pick = [&in](unsigned n) { return in.ConsumeIntegralInRange<unsigned>(0, n - 1); };
  fuzz::FormulaGenerator generator(pick);
  const unsigned columnMask = pick(8);
  const std::size_t rows = 1 + pick(1100);
  const std::string formula = generator.formula(1 + static_cast<int>(pick(6)));

  Calculator block(formula), single(formula);
  std::vector<double *> columnVariables;
  std::vector<std::vector<double>> columns;
  for (int k = 0; k < 3; ++k) {
    if (columnMask & (1u << k)) {
      columnVariables.push_back(&block.values[k]);
      columns.emplace_back(rows);
      // A few distinct values repeated, so that long blocks cost little input.
      double recent[4] = {generator.value(), generator.value(), generator.value(),
                          generator.value()};
      for (std::size_t r = 0; r < rows; ++r)
        columns.back()[r] = recent[(r + pick(4)) % 4];
    } else {
      block.values[k] = single.values[k] = generator.value();
    }
  }
  std::vector<const double *> columnData;
  columnData.reserve(columns.size());
  for (const auto &column : columns)
    columnData.push_back(column.data());

  BlockEvaluator evaluator(block.evaluator, columnVariables);
  std::vector<double> results(rows, -1);
  fuzz::RecordingSink sink;
  evaluator.evaluate(columnData, rows, results.data(), sink);
  FUZZ_CHECK(sink.inOrder);
  FUZZ_CHECK(sink.faults.empty() || sink.faults.rbegin()->first < rows);

  for (std::size_t row = 0; row < rows; ++row) {
    std::size_t column = 0;
    for (int k = 0; k < 3; ++k)
      if (columnMask & (1u << k))
        single.values[k] = columns[column++][row];
    FUZZ_CHECK(sink.outcome(results, row) == fuzz::evaluateOutcome(single.evaluator));
  }
  return 0;
}
